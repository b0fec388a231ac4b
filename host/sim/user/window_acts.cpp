#include "sim/user/window_acts.h"

#include <sstream>
#include <stdexcept>
#include <utility>

#include "sim/host.h"
#include "sim/user/titled_windows.h"
#include "win/keyboard_input.h"

namespace vexa::sim {

namespace {

// The words of an act's line; a quoted text is one word.
std::vector<std::wstring> wordsOf(const std::wstring& text) {
    std::vector<std::wstring> words;
    std::wistringstream stream(text);
    stream >> std::ws;
    while (!stream.eof()) {
        std::wstring word;
        if (stream.peek() == L'"') {
            stream.get();
            std::getline(stream, word, L'"');
        } else {
            stream >> word;
        }
        words.push_back(word);
        stream >> std::ws;
    }
    return words;
}

long long numberOf(const std::wstring& word, const char* what) {
    try {
        std::size_t used = 0;
        const long long value = std::stoll(word, &used, 0);
        if (used == word.size()) return value;
    } catch (const std::exception&) {
    }
    throw std::invalid_argument(std::string("expected ") + what);
}

bool modeless(win::WindowSystem& windows, Host& host, HWND handle) {
    const win::Window* window = windows.find(handle);
    if (window == nullptr || window->child() || window->destroyed || handle == windows.mainWindow()) return false;
    if (host.input().otherPrograms().owner(handle)) return false;
    const auto& modal = windows.modalDialogs();
    return std::find(modal.begin(), modal.end(), handle) == modal.end();
}

// The first window of the host by its title; none is an audit fault.
HWND windowTitled(Host& host, const std::wstring& title) {
    const std::vector<HWND> found = win::windowsTitled(host, title);
    if (found.empty()) host.audit().record(L"no window is titled \"" + title + L"\"");
    return found.empty() ? nullptr : found.front();
}

void listModeless(Host& host) {
    win::WindowSystem& windows = host.windows();
    std::wstring states;
    int count = 0;
    for (HWND handle : windows.windows()) {
        if (!modeless(windows, host, handle)) continue;
        states += L"\n" + win::windowState(host, handle) + L"\n";
        ++count;
    }
    host.commandLine().print(L"modeless windows: " + std::to_wstring(count) + L"\n" + states);
}

// The user drags the window's lower-right corner: the window may change the rectangle it is
// offered at WM_SIZING before it takes it.
void resize(Host& host, HWND window, int width, int height) {
    win::WindowSystem& windows = host.windows();
    RECT frame = windows.windowRect(window);
    frame.right = frame.left + width;
    frame.bottom = frame.top + height;
    windows.send(window, WM_ENTERSIZEMOVE, 0, 0);
    if (windows.exists(window)) windows.send(window, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&frame));
    if (windows.exists(window)) {
        windows.setPosition(window, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                            SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (windows.exists(window)) windows.send(window, WM_EXITSIZEMOVE, 0, 0);
}

std::wstring hex(unsigned long long value) {
    std::wostringstream out;
    out << L"0x" << std::hex << value;
    return out.str();
}

// Keys pressed now, wherever the focus is; they wait in the queue until someone takes them.
void typeAhead(Host& host, const std::wstring& text) {
    Input& input = host.input();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        int key = 0;
        if (c == L'{') {
            const std::size_t close = text.find(L'}', i);
            const std::wstring name = close == std::wstring::npos ? L"" : win::foldCase(text.substr(i + 1, close - i - 1));
            key = name == L"ENTER" ? VK_RETURN : name == L"ESC" ? VK_ESCAPE : name == L"TAB" ? VK_TAB : name == L"BS" ? VK_BACK : 0;
            if (key != 0) i = close;
        }
        const bool capital = c >= L'A' && c <= L'Z';
        if (key == 0 && (capital || (c >= L'0' && c <= L'9') || c == L' ')) key = c;
        if (key == 0 && c >= L'a' && c <= L'z') key = c - L'a' + 'A';
        if (key == 0) continue;  // characters off the keyboard's own keys are not typed ahead
        if (capital) input.keyDown(VK_SHIFT);
        input.pressKey(key);
        if (capital) input.keyUp(VK_SHIFT);
    }
}

// Set while the acts run, so that the loops an act runs do not take the next act early.
bool performing = false;

}  // namespace

std::optional<PromptAnswer> parseWindowAct(const std::wstring& verb, const std::wstring& rest) {
    const std::vector<std::wstring> words = wordsOf(rest);
    const std::wstring line = rest.empty() ? verb : verb + L" " + rest;
    auto act = [&](std::function<void(Host&)> perform) { return PromptAnswer::window(line, std::move(perform)); };
    if (verb == L"windows") return act(listModeless);
    if (verb == L"resize") {
        if (words.size() != 3) throw std::invalid_argument("expected resize TITLE WIDTH HEIGHT");
        const auto width = static_cast<int>(numberOf(words[1], "a width"));
        const auto height = static_cast<int>(numberOf(words[2], "a height"));
        const std::wstring title = words[0];
        return act([title, width, height](Host& host) {
            if (HWND window = windowTitled(host, title)) resize(host, window, width, height);
        });
    }
    if (verb == L"send") {
        if (words.size() < 2 || words.size() > 4) throw std::invalid_argument("expected send TITLE MESSAGE [WPARAM [LPARAM]]");
        const auto message = static_cast<UINT>(numberOf(words[1], "a message number"));
        const auto wParam = static_cast<WPARAM>(words.size() > 2 ? numberOf(words[2], "a wParam") : 0);
        const auto lParam = static_cast<LPARAM>(words.size() > 3 ? numberOf(words[3], "an lParam") : 0);
        const std::wstring title = words[0];
        return act([title, message, wParam, lParam](Host& host) {
            HWND window = windowTitled(host, title);
            if (window == nullptr) return;
            const LRESULT answer = host.windows().send(window, message, wParam, lParam);
            host.commandLine().print(L"send " + hex(message) + L" to \"" + title + L"\": " + std::to_wstring(answer) + L"\n");
        });
    }
    if (verb == L"wait") {
        if (words.size() != 1) throw std::invalid_argument("expected wait MS");
        const auto milliseconds = static_cast<DWORD>(std::max(0LL, numberOf(words[0], "milliseconds")));
        return act([milliseconds](Host& host) { host.windows().wait(milliseconds); });
    }
    if (verb == L"quit") {
        if (words.size() > 1) throw std::invalid_argument("expected quit [CODE]");
        const auto code = static_cast<int>(words.empty() ? 0 : numberOf(words[0], "an exit code"));
        return act([code](Host& host) { host.windows().postQuit(code); });
    }
    if (verb == L"activate") {
        if (rest.empty()) throw std::invalid_argument("expected activate PROGRAM");
        return act([program = rest](Host& host) { host.input().activateOtherProgram(program); });
    }
    if (verb == L"activate-host") {
        return act([](Host& host) {
            win::WindowSystem& windows = host.windows();
            windows.activate(windows.userDialog() != nullptr ? windows.userDialog() : windows.mainWindow());
        });
    }
    if (verb == L"type-ahead") {
        if (rest.empty()) throw std::invalid_argument("expected type-ahead TEXT");
        return act([text = rest](Host& host) { typeAhead(host, text); });
    }
    return std::nullopt;
}

void performInTurn(const std::function<void()>& act) {
    const bool outer = std::exchange(performing, true);
    struct Restore {
        bool outer;
        ~Restore() { performing = outer; }
    } restore{outer};
    act();
}

void performWindowAct(Host& host, const PromptAnswer& act) {
    performInTurn([&] { act.windowAct(host); });
}

void performWindowActs(Host& host) {
    if (performing) return;
    UserInput& user = host.user();
    while (user.nextIsPromptAnswer() && user.nextPromptAnswer().kind == PromptAnswer::Kind::Window) {
        performWindowAct(host, user.take());
    }
}

}  // namespace vexa::sim
