#include "support/kito_fixture.h"

namespace vexa::test {

namespace {

Received received;

LRESULT CALLBACK probeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool key = message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
    if (key || (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONUP)) {
        received.emplace_back(message, wParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

KitoTest::KitoTest() {
    load({"VexaKito"});
    received.clear();
    WNDCLASSW probeClass{};
    probeClass.lpfnWndProc = probeProcedure;
    probeClass.lpszClassName = L"KitoTestProbe";
    RegisterClassW(&probeClass);
    probe = CreateWindowExW(0, L"KitoTestProbe", L"probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300,
                            nullptr, nullptr, nullptr, nullptr);
    host.windows().activate(probe);
    SetFocus(probe);
}

Received KitoTest::takeReceived() { return std::exchange(received, {}); }

std::wstring KitoTest::takePrinted() {
    const std::wstring& all = host.commandLine().transcript();
    std::wstring fresh = all.substr(printed_);
    printed_ = all.size();
    return fresh;
}

std::wstring printedLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) text += L"\n" + line;
    return text;
}

}  // namespace vexa::test
