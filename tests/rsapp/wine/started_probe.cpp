// Started by VexaRsApp.exe in the Wine tests in place of the host: it writes when it started
// (milliseconds of the system clock) and its working folder into started.txt in that folder.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG milliseconds = ((ULONGLONG{now.dwHighDateTime} << 32) | now.dwLowDateTime) / 10000;
    wchar_t folder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, folder);
    const std::wstring report = std::to_wstring(milliseconds) + L"\n" + folder;

    // Written aside and renamed, so the test never reads half a report.
    FILE* file = _wfopen(L"started.tmp", L"wb");
    if (file == nullptr) return 1;
    std::fwrite(report.data(), sizeof(wchar_t), report.size(), file);
    std::fclose(file);
    return MoveFileExW(L"started.tmp", L"started.txt", MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
