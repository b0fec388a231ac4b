// Runs VexaRsApp.exe under Wine as the host's restart does, with a real window standing for the
// host's, and checks when, where and whether it starts the program. One case per run:
//   restart_under_wine after-close | already-gone | semicolon-folder | missing-program
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>

namespace {

constexpr ULONGLONG pollAndRelease = 2000;  // the first poll and the release time
constexpr DWORD probeTimeout = 10000;

ULONGLONG nowMs() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return ((ULONGLONG{now.dwHighDateTime} << 32) | now.dwLowDateTime) / 10000;
}

std::wstring besideThisProgram(const std::wstring& name) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

HWND makeHostWindow() {
    return CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 200, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::wstring freshFolder(const std::wstring& name) {
    const std::wstring runs = besideThisProgram(L"runs");
    CreateDirectoryW(runs.c_str(), nullptr);
    const std::wstring folder = runs + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    DeleteFileW((folder + L"\\started.txt").c_str());
    return folder;
}

PROCESS_INFORMATION startRestart(HWND window, const std::wstring& program, const std::wstring& folder) {
    const std::wstring restart = besideThisProgram(L"VexaRsApp.exe");
    std::wstring commandLine = L"\"" + restart + L"\" " + std::to_wstring(reinterpret_cast<INT_PTR>(window)) + L";" +
                               program + L";" + folder;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(restart.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        std::printf("cannot start VexaRsApp.exe (error %lu)\n", GetLastError());
    }
    return started;
}

struct ProbeReport {
    ULONGLONG startedAt;
    std::wstring folder;
};

std::optional<ProbeReport> awaitProbe(const std::wstring& folder) {
    const std::wstring path = folder + L"\\started.txt";
    for (DWORD waited = 0; waited < probeTimeout; waited += 50) {
        if (FILE* file = _wfopen(path.c_str(), L"rb")) {
            std::wstring text;
            wchar_t c;
            while (std::fread(&c, sizeof c, 1, file) == 1) text += c;
            std::fclose(file);
            const auto newline = text.find(L'\n');
            return ProbeReport{std::wcstoull(text.c_str(), nullptr, 10), text.substr(newline + 1)};
        }
        Sleep(50);
    }
    return std::nullopt;
}

struct Ended {
    DWORD exitCode;
    bool showedWindow;
};

BOOL CALLBACK noteWindowOf(HWND window, LPARAM found) {
    auto* search = reinterpret_cast<std::pair<DWORD, bool>*>(found);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->first) search->second = true;
    return TRUE;
}

// Waits for the restart program to end, watching for any window of its own meanwhile.
std::optional<Ended> awaitEnd(const PROCESS_INFORMATION& started) {
    std::pair<DWORD, bool> search{started.dwProcessId, false};
    for (DWORD waited = 0; waited < probeTimeout; waited += 50) {
        EnumWindows(noteWindowOf, reinterpret_cast<LPARAM>(&search));
        if (WaitForSingleObject(started.hProcess, 50) == WAIT_OBJECT_0) {
            DWORD exitCode = 0;
            GetExitCodeProcess(started.hProcess, &exitCode);
            CloseHandle(started.hProcess);
            CloseHandle(started.hThread);
            return Ended{exitCode, search.second};
        }
    }
    return std::nullopt;
}

bool check(bool condition, const char* what) {
    if (!condition) std::printf("FAIL: %s\n", what);
    return condition;
}

bool sameFolder(const std::wstring& a, const std::wstring& b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; }

// The program starts in the folder; ended cleanly, with exit code 0 and no window of its own.
bool restartedIn(const std::wstring& folder, const PROCESS_INFORMATION& started, ProbeReport& report) {
    const auto probe = awaitProbe(folder);
    const auto ended = awaitEnd(started);
    if (!check(probe.has_value(), "the program was not started in the folder")) return false;
    report = *probe;
    return check(sameFolder(report.folder, folder), "the program's working folder is another") &&
           check(ended && ended->exitCode == 0 && !ended->showedWindow, "VexaRsApp.exe did not end quietly with 0");
}

int afterClose() {
    HWND host = makeHostWindow();
    if (!check(host != nullptr, "no window")) return 1;
    const std::wstring folder = freshFolder(L"after-close");
    const ULONGLONG start = nowMs();
    const PROCESS_INFORMATION started = startRestart(host, besideThisProgram(L"started_probe.exe"), folder);
    Sleep(1500);
    const ULONGLONG closed = nowMs();
    DestroyWindow(host);
    ProbeReport report;
    if (!restartedIn(folder, started, report)) return 1;
    std::printf("started %llu ms after VexaRsApp.exe, %llu ms after the window closed\n", report.startedAt - start,
                report.startedAt - closed);
    return check(report.startedAt >= closed + 1000, "started sooner than a second after the window went") &&
                   check(report.startedAt >= start + pollAndRelease, "started sooner than two seconds")
               ? 0
               : 1;
}

// A closed window (or none at all): the program starts after two seconds.
int alreadyGone(const std::wstring& folderName) {
    HWND host = makeHostWindow();
    DestroyWindow(host);
    const std::wstring folder = freshFolder(folderName);
    const ULONGLONG start = nowMs();
    const PROCESS_INFORMATION started = startRestart(host, besideThisProgram(L"started_probe.exe"), folder);
    ProbeReport report;
    if (!restartedIn(folder, started, report)) return 1;
    std::printf("started %llu ms after VexaRsApp.exe; the window was gone before\n", report.startedAt - start);
    return check(report.startedAt >= start + pollAndRelease, "started sooner than two seconds") ? 0 : 1;
}

int missingProgram() {
    const std::wstring folder = freshFolder(L"missing-program");
    const ULONGLONG start = nowMs();
    const PROCESS_INFORMATION started = startRestart(nullptr, besideThisProgram(L"no-such-program.exe"), folder);
    const auto ended = awaitEnd(started);
    std::printf("ended %llu ms after it started\n", nowMs() - start);
    return check(ended.has_value(), "VexaRsApp.exe did not end") &&
                   check(ended->exitCode == 0, "the exit code is not 0") &&
                   check(!ended->showedWindow, "VexaRsApp.exe showed a window") &&
                   check(nowMs() >= start + pollAndRelease, "ended sooner than two seconds")
               ? 0
               : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring which = argc > 1 ? argv[1] : L"";
    if (which == L"after-close") return afterClose();
    if (which == L"already-gone") return alreadyGone(L"already-gone");
    if (which == L"semicolon-folder") return alreadyGone(L"a;b;c");
    if (which == L"missing-program") return missingProgram();
    std::printf("unknown case\n");
    return 2;
}
