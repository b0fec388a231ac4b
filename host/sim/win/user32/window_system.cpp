#include "sim/win/user32/window_system.h"

#include <algorithm>
#include <cwctype>

#include "sim/host.h"
#include "sim/win/ole32/activex_host.h"
#include "sim/user/window_acts.h"
#include "sim/win/user32/controls.h"

namespace vexa::sim::win {

namespace {

// Where the activation goes when a window closes or hides: its owner, unless the owner is
// hidden too (a dialog that stepped aside for the editor); then the owner's owner, at last
// the main window.
HWND shownOwner(WindowSystem& system, HWND owner) {
    while (owner != nullptr) {
        const Window* window = system.find(owner);
        if (window == nullptr) break;
        if (window->visibleFlag()) return owner;
        owner = window->owner;
    }
    return system.mainWindow();
}

}  // namespace


std::wstring foldCase(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return out;
}

bool startsWithFolded(std::wstring_view text, std::wstring_view prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::towupper(static_cast<wint_t>(text[i])) != std::towupper(static_cast<wint_t>(prefix[i]))) return false;
    }
    return true;
}

std::wstring withoutMnemonic(std::wstring_view text) {
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&') {
            if (i + 1 < text.size() && text[i + 1] == L'&') out += L'&', ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

namespace {
// The window system being built: its main window gets messages before the host holds it.
WindowSystem* constructing = nullptr;
}  // namespace

WindowSystem* current() {
    if (constructing != nullptr) return constructing;
    Host* host = Host::current();
    return host ? &host->windows() : nullptr;
}

namespace {

LRESULT CALLBACK frameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK dialogClassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcW(window, message, wParam, lParam);
}

}  // namespace

WindowSystem::WindowSystem(Host& host)
    : host_(host), resources_([&host](HINSTANCE instance) -> std::span<const std::uint8_t> {
          const PluginModule* module = host.pluginByInstance(instance);
          return module ? module->resources() : std::span<const std::uint8_t>{};
      }) {
    WindowSystem* outer = std::exchange(constructing, this);
    for (const wchar_t* name : {L"Button", L"Edit", L"Static", L"ListBox", L"ComboBox", L"msctls_trackbar32",
                                L"msctls_progress32", L"SysListView32", L"SysTabControl32"}) {
        registerClass({0, controlProcedure, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, name});
    }
    for (const std::wstring& name : activeXClassNames()) {
        registerClass({0, controlProcedure, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, name.c_str()});
    }
    registerClass({0, dialogClassProcedure, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"#32770"});
    registerClass({0, frameProcedure, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"AfxMDIFrame"});
    CreateParams main;
    main.className = L"AfxMDIFrame";
    main.text = L"AutoCAD";
    main.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    main.rect = {0, 0, screenSize().x, screenSize().y - 40};
    mainWindow_ = create(main);
    find(mainWindow_)->mayOutliveCall = true;
    active_ = mainWindow_;
    constructing = outer;
}

WindowSystem::~WindowSystem() {
    // Windows are torn down without messages: the modules behind their procedures may be gone.
    windows_.clear();
    graveyard_.clear();
}

ATOM WindowSystem::registerClass(const WNDCLASSW& windowClass) {
    if (windowClass.lpszClassName == nullptr || windowClass.lpfnWndProc == nullptr) return 0;
    const std::wstring key = foldCase(windowClass.lpszClassName);
    if (classes_.contains(key)) return 0;
    classes_[key] = windowClass;
    classNames_[key] = windowClass.lpszClassName;
    classes_[key].lpszClassName = classNames_[key].c_str();
    return static_cast<ATOM>(0xC000 + classes_.size());
}

bool WindowSystem::unregisterClass(std::wstring_view name) {
    const std::wstring key = foldCase(name);
    classNames_.erase(key);
    return classes_.erase(key) > 0;
}

WNDPROC WindowSystem::classProcedure(std::wstring_view name) const {
    auto it = classes_.find(foldCase(name));
    return it == classes_.end() ? nullptr : it->second.lpfnWndProc;
}

Window* WindowSystem::find(HWND window) {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

const Window* WindowSystem::find(HWND window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

std::vector<HWND> WindowSystem::windows() const {
    std::vector<std::pair<std::size_t, HWND>> order;
    for (const auto& [handle, window] : windows_) order.emplace_back(window->serial, handle);
    std::sort(order.begin(), order.end());
    std::vector<HWND> out;
    for (const auto& entry : order) out.push_back(entry.second);
    return out;
}

HWND WindowSystem::create(CreateParams params) {
    WNDPROC procedure = classProcedure(params.className);
    if (procedure == nullptr) return nullptr;
    if ((params.style & WS_CHILD) && find(params.parent) == nullptr) return nullptr;
    auto window = std::make_unique<Window>();
    const std::size_t serial = nextSerial_++;
    // Handles are never reused, so a stale handle never reaches another window.
    window->handle = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x10000 + serial * 4));
    const std::wstring folded = foldCase(params.className);
    window->className = classNames_.count(folded) ? classNames_[folded] : params.className;
    window->style = params.style;
    window->exStyle = params.exStyle;
    window->id = params.id;
    window->text = params.text;
    window->rect = params.rect;
    window->proc = procedure;
    window->instance = params.instance;
    window->serial = serial;
    window->creator = host_.messageTarget();
    window->isDialog = folded == L"#32770";
    if (isControlClass(folded)) window->control = makeControl(folded);
    if (params.style & WS_CHILD) {
        window->parent = params.parent;
    } else if (params.parent != nullptr) {
        window->owner = topLevelOf(params.parent);
    }
    const HWND handle = window->handle;
    const bool showNow = (params.style & WS_VISIBLE) && !(params.style & WS_CHILD);
    if (showNow) window->style &= ~static_cast<DWORD>(WS_VISIBLE);
    windows_[handle] = std::move(window);
    if (params.style & WS_CHILD) find(params.parent)->children.push_back(handle);
    if (params.beforeFirstMessage) params.beforeFirstMessage(handle);

    CREATESTRUCTW create{params.param, params.instance, nullptr, params.parent,
                         static_cast<int>(params.rect.bottom - params.rect.top),
                         static_cast<int>(params.rect.right - params.rect.left), static_cast<int>(params.rect.top),
                         static_cast<int>(params.rect.left), static_cast<LONG>(params.style), params.text.c_str(),
                         params.className.c_str(), params.exStyle};
    if (!send(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) ||
        send(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        destroy(handle);
        return nullptr;
    }
    if (showNow && exists(handle)) show(handle, SW_SHOW);
    return exists(handle) ? handle : nullptr;
}

bool WindowSystem::destroy(HWND handle) {
    Window* window = find(handle);
    if (window == nullptr || window->destroyed) return false;
    window->destroyed = true;
    // Owned windows go first, as Windows destroys them with their owner.
    std::vector<HWND> owned;
    for (const auto& [other, candidate] : windows_) {
        if (candidate->owner == handle && !candidate->destroyed) owned.push_back(other);
    }
    for (HWND other : owned) destroy(other);

    const bool hadFocus = focus_ == handle || isDescendant(handle, focus_);
    if (find(handle)->visibleFlag() && !find(handle)->child()) send(handle, WM_SHOWWINDOW, FALSE, 0);
    send(handle, WM_DESTROY, 0, 0);
    if (find(handle) == nullptr) return true;
    std::vector<HWND> children = find(handle)->children;
    for (HWND child : children) destroy(child);
    if (hadFocus) focus_ = nullptr;
    send(handle, WM_NCDESTROY, 0, 0);

    window = find(handle);
    if (window == nullptr) return true;
    for (auto it = timers_.begin(); it != timers_.end();) {
        if (it->window == handle) {
            ++orphanedTimers_;
            host_.audit().record(L"timer " + std::to_wstring(it->id) + L" was still running when " + describe(handle) +
                                 L" was destroyed");
            it = timers_.erase(it);
        } else {
            ++it;
        }
    }
    if (Window* parent = find(window->parent)) std::erase(parent->children, handle);
    for (HWND& modal : modal_) {
        if (modal == handle) window->dialogEnded = true;
    }
    const HWND owner = window->owner;
    auto node = windows_.extract(handle);
    graveyard_.push_back(std::move(node.mapped()));
    if (active_ == handle) {
        active_ = nullptr;
        activate(shownOwner(*this, owner));
    }
    collect();
    return true;
}

void WindowSystem::collect() {
    if (dispatchDepth_ == 0) graveyard_.clear();
}

HWND WindowSystem::topLevelOf(HWND handle) const {
    const Window* window = find(handle);
    while (window != nullptr && window->child() && find(window->parent) != nullptr) window = find(window->parent);
    return window ? window->handle : nullptr;
}

bool WindowSystem::isDescendant(HWND ancestor, HWND handle) const {
    if (ancestor == nullptr || handle == nullptr) return false;
    const Window* window = find(handle);
    while (window != nullptr && window->child()) {
        if (window->parent == ancestor) return true;
        window = find(window->parent);
    }
    return false;
}

HWND WindowSystem::childById(HWND parent, int id) const {
    const Window* window = find(parent);
    if (window == nullptr) return nullptr;
    for (HWND child : window->children) {
        if (const Window* c = find(child); c && c->id == id) return child;
    }
    return nullptr;
}

LRESULT WindowSystem::send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = find(handle);
    if (window == nullptr) return 0;
    WNDPROC procedure = window->proc;
    ++dispatchDepth_;
    const LRESULT result = procedure(handle, message, wParam, lParam);
    --dispatchDepth_;
    collect();
    return result;
}

void WindowSystem::notifyParent(HWND control, UINT code) {
    const Window* window = find(control);
    if (window == nullptr || window->parent == nullptr) return;
    send(window->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(window->id), static_cast<WORD>(code)),
         reinterpret_cast<LPARAM>(control));
}

LRESULT WindowSystem::notifyParent(HWND control, NMHDR& header) {
    const Window* window = find(control);
    if (window == nullptr || window->parent == nullptr) return 0;
    header.hwndFrom = control;
    header.idFrom = static_cast<UINT_PTR>(window->id);
    return send(window->parent, WM_NOTIFY, static_cast<WPARAM>(window->id), reinterpret_cast<LPARAM>(&header));
}

bool WindowSystem::setText(HWND window, std::wstring_view text) {
    const std::wstring copy(text);
    return send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str())) != 0;
}

std::wstring WindowSystem::text(HWND window) {
    if (!exists(window)) return {};
    const auto length = static_cast<std::size_t>(std::max<LRESULT>(0, send(window, WM_GETTEXTLENGTH, 0, 0)));
    std::wstring buffer(length + 1, L'\0');
    const auto copied = send(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, static_cast<LRESULT>(length))));
    return buffer;
}

bool WindowSystem::show(HWND handle, int command) {
    Window* window = find(handle);
    if (window == nullptr) return false;
    const bool wasVisible = window->visibleFlag();
    if (command == SW_HIDE) {
        if (!wasVisible) return false;
        send(handle, WM_SHOWWINDOW, FALSE, 0);
        if (Window* w = find(handle)) w->style &= ~static_cast<DWORD>(WS_VISIBLE);
        if (!window->child() && active_ == handle) {
            const HWND owner = window->owner;
            active_ = nullptr;
            activate(shownOwner(*this, owner));
        }
        return true;
    }
    if (!wasVisible) {
        send(handle, WM_SHOWWINDOW, TRUE, 0);
        if (Window* w = find(handle)) w->style |= WS_VISIBLE;
    }
    const bool activates = command != SW_SHOWNA && command != SW_SHOWNOACTIVATE && command != SW_SHOWMINNOACTIVE;
    if (exists(handle) && !find(handle)->child() && activates) activate(handle);
    return wasVisible;
}

bool WindowSystem::enable(HWND handle, bool enableIt) {
    Window* window = find(handle);
    if (window == nullptr) return false;
    const bool wasDisabled = !window->enabledFlag();
    if (enableIt == wasDisabled) {
        if (enableIt) window->style &= ~static_cast<DWORD>(WS_DISABLED);
        else window->style |= WS_DISABLED;
        send(handle, WM_ENABLE, enableIt ? TRUE : FALSE, 0);
    }
    return wasDisabled;
}

bool WindowSystem::visible(HWND handle) const {
    const Window* window = find(handle);
    while (window != nullptr) {
        if (!window->visibleFlag()) return false;
        if (!window->child()) return true;
        window = find(window->parent);
    }
    return false;
}

bool WindowSystem::enabled(HWND handle) const {
    const Window* window = find(handle);
    return window != nullptr && window->enabledFlag();
}

void WindowSystem::setStyle(HWND handle, DWORD style) {
    if (Window* window = find(handle)) window->style = style;
}

HWND WindowSystem::setFocus(HWND handle) {
    const HWND old = focus_;
    if (handle != nullptr && !exists(handle)) return nullptr;
    if (handle == old) return old;
    focus_ = handle;
    if (handle != nullptr) {
        if (Window* top = find(topLevelOf(handle)); top && top->handle != handle) top->lastFocus = handle;
    }
    if (exists(old)) send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    if (handle != nullptr && focus_ == handle) send(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return exists(old) ? old : nullptr;
}

void WindowSystem::activate(HWND handle) {
    if (handle == active_ || !exists(handle)) return;
    // The single place where a window becomes active: WH_CBT's HCBT_ACTIVATE hangs here.
    if (activationGate_ && !activationGate_(handle)) return;
    if (!exists(handle)) return;
    const HWND old = active_;
    active_ = handle;
    if (exists(old)) send(old, WM_ACTIVATE, 0, reinterpret_cast<LPARAM>(handle));
    send(handle, WM_ACTIVATE, 1, reinterpret_cast<LPARAM>(old));
}

RECT WindowSystem::frameInsets(const Window& window) const {
    if (window.child()) return {0, 0, 0, 0};
    LONG border = 0;
    if (window.style & WS_THICKFRAME) border = 4;
    else if ((window.style & WS_DLGFRAME) || (window.style & DS_MODALFRAME) || (window.exStyle & WS_EX_DLGMODALFRAME)) border = 3;
    else if (window.style & WS_BORDER) border = 1;
    const LONG caption = (window.style & WS_CAPTION) == WS_CAPTION ? ((window.exStyle & WS_EX_TOOLWINDOW) ? 18 : 22) : 0;
    return {border, border + caption, border, border};
}

RECT WindowSystem::windowRect(HWND handle) const {
    const Window* window = find(handle);
    if (window == nullptr) return {};
    if (!window->child()) return window->rect;
    const POINT origin = clientOrigin(window->parent);
    return {window->rect.left + origin.x, window->rect.top + origin.y, window->rect.right + origin.x,
            window->rect.bottom + origin.y};
}

POINT WindowSystem::clientOrigin(HWND handle) const {
    const Window* window = find(handle);
    if (window == nullptr) return {0, 0};
    const RECT outer = windowRect(handle);
    const RECT insets = frameInsets(*window);
    return {outer.left + insets.left, outer.top + insets.top};
}

RECT WindowSystem::clientRect(HWND handle) const {
    const Window* window = find(handle);
    if (window == nullptr) return {};
    const RECT insets = frameInsets(*window);
    const LONG width = window->rect.right - window->rect.left - insets.left - insets.right;
    const LONG height = window->rect.bottom - window->rect.top - insets.top - insets.bottom;
    return {0, 0, std::max<LONG>(0, width), std::max<LONG>(0, height)};
}

bool WindowSystem::setPosition(HWND handle, HWND, int x, int y, int width, int height, UINT flags) {
    Window* window = find(handle);
    if (window == nullptr) return false;
    RECT rect = window->rect;
    if (!(flags & SWP_NOMOVE)) {
        rect = {x, y, x + (rect.right - rect.left), y + (rect.bottom - rect.top)};
    }
    if (!(flags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(0, width);
        rect.bottom = rect.top + std::max(0, height);
    }
    const bool moved = rect.left != window->rect.left || rect.top != window->rect.top;
    const bool sized = rect.right - rect.left != window->rect.right - window->rect.left ||
                       rect.bottom - rect.top != window->rect.bottom - window->rect.top;
    window->rect = rect;
    if (moved) send(handle, WM_MOVE, 0, 0);
    if (sized && exists(handle)) {
        const RECT client = clientRect(handle);
        send(handle, WM_SIZE, 0, MAKELPARAM(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom)));
    }
    if (flags & SWP_SHOWWINDOW) show(handle, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) show(handle, SW_HIDE);
    return true;
}

// Dialog base units of Tahoma 8 at 96 dpi, as MapDialogRect uses them: 4 horizontal dialog units
// are one average character width (6 px) and 8 vertical units one character height (13 px).
RECT WindowSystem::mapDialogRect(const RECT& units) {
    auto x = [](LONG value) { return static_cast<LONG>((value * 6 + (value >= 0 ? 2 : -2)) / 4); };
    auto y = [](LONG value) { return static_cast<LONG>((value * 13 + (value >= 0 ? 4 : -4)) / 8); };
    return {x(units.left), y(units.top), x(units.right), y(units.bottom)};
}

void WindowSystem::post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    queue_.push_back({window, message, wParam, lParam, now_, cursor_});
}

void WindowSystem::postFront(const MSG& message) { queue_.push_front(message); }

void WindowSystem::postQuit(int code) {
    quitPosted_ = true;
    quitCode_ = code;
}

bool WindowSystem::peek(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT remove) {
    // Whoever looks at the queue gives the user's window acts (keys typed ahead …) their turn.
    performWindowActs(host_);
    auto matches = [&](HWND target, UINT id) {
        const bool windowMatches = window == nullptr || target == window || isDescendant(window, target);
        const bool idMatches = (filterMin == 0 && filterMax == 0) || (id >= filterMin && id <= filterMax);
        return windowMatches && idMatches;
    };
    for (auto it = queue_.begin(); it != queue_.end(); ++it) {
        if (!matches(it->hwnd, it->message)) continue;
        *message = *it;
        if (remove & PM_REMOVE) {
            queue_.erase(it);
            if (takeHook_ && !takeHook_(*message)) return peek(message, window, filterMin, filterMax, remove);
        }
        return true;
    }
    if (quitPosted_ && window == nullptr) {
        *message = {nullptr, WM_QUIT, static_cast<WPARAM>(quitCode_), 0, now_, {0, 0}};
        if (remove & PM_REMOVE) quitPosted_ = false;
        return true;
    }
    // Timers come last and only when due; each due timer gives one WM_TIMER, however late.
    Timer* due = nullptr;
    for (Timer& timer : timers_) {
        if (timer.due <= now_ && matches(timer.window, WM_TIMER) && (due == nullptr || timer.due < due->due)) due = &timer;
    }
    if (due != nullptr) {
        *message = {due->window, WM_TIMER, due->id, reinterpret_cast<LPARAM>(due->procedure), now_, {0, 0}};
        if (remove & PM_REMOVE) due->due = now_ + due->elapse;
        return true;
    }
    return false;
}

bool WindowSystem::get(MSG* message, HWND window, UINT filterMin, UINT filterMax) {
    for (;;) {
        if (peek(message, window, filterMin, filterMax, PM_REMOVE)) return message->message != WM_QUIT;
        // Waiting: the user acts on the window in front, or time passes until a timer is due.
        if (!host_.user().empty() && host_.user().nextIsDialogAct() && userDialog() != nullptr) {
            performAct(*this, userDialog(), host_.user().takeDialogAct());
            continue;
        }
        const Timer* next = nullptr;
        for (const Timer& timer : timers_) {
            if (next == nullptr || timer.due < next->due) next = &timer;
        }
        if (next != nullptr) {
            now_ = std::max(now_, next->due);
            continue;
        }
        host_.audit().record(L"GetMessageW waited for a message that would never come");
        *message = {nullptr, WM_QUIT, 0, 0, now_, {0, 0}};
        return false;
    }
}

LRESULT WindowSystem::dispatch(const MSG& message) {
    if (message.message == WM_TIMER && message.lParam != 0) {
        auto procedure = reinterpret_cast<TIMERPROC>(message.lParam);
        ++dispatchDepth_;
        procedure(message.hwnd, WM_TIMER, message.wParam, now_);
        --dispatchDepth_;
        collect();
        return 0;
    }
    if (message.hwnd == nullptr) return 0;
    return send(message.hwnd, message.message, message.wParam, message.lParam);
}

bool WindowSystem::translate(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    const WPARAM key = message.wParam;
    wchar_t character = 0;
    if (key == VK_PACKET) character = static_cast<wchar_t>(static_cast<std::uint64_t>(message.lParam) >> 32);
    else if (key >= 'A' && key <= 'Z') character = static_cast<wchar_t>(keyDown(VK_SHIFT) ? key : key + 32);
    else if (key >= '0' && key <= '9') character = static_cast<wchar_t>(key);
    else if (key == VK_SPACE || key == VK_BACK || key == VK_RETURN || key == VK_ESCAPE || key == VK_TAB) character = static_cast<wchar_t>(key);
    if (character == 0) return false;
    // The character comes next, before the key's release, as Windows delivers it.
    postFront({message.hwnd, message.message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, static_cast<WPARAM>(character),
               message.lParam & 0xFFFFFFFF, now_, {0, 0}});
    return true;
}

bool WindowSystem::pumpOne() {
    MSG message;
    if (!peek(&message, nullptr, 0, 0, PM_REMOVE)) return false;
    if (message.message == WM_QUIT) {
        postQuit(static_cast<int>(message.wParam));
        return false;
    }
    if (hostLoop_ && queueObserver_ && queueObserver_(message)) return true;
    const HWND top = topLevelOf(message.hwnd);
    if (const Window* window = find(top); window && window->isDialog && isDialogMessage(top, message)) return true;
    translate(message);
    dispatch(message);
    return true;
}

void WindowSystem::pumpAll() {
    while (pumpOne()) {
    }
}

void WindowSystem::advance(DWORD milliseconds) {
    const DWORD target = now_ + milliseconds;
    while (!happenings_.empty() && happenings_.begin()->first <= target) {
        auto next = happenings_.extract(happenings_.begin());
        now_ = std::max(now_, next.key());
        next.mapped()();
    }
    now_ = target;
}

void WindowSystem::at(DWORD time, std::function<void()> happening) { happenings_.emplace(time, std::move(happening)); }

void WindowSystem::wait(DWORD milliseconds) {
    const DWORD target = now_ + milliseconds;
    for (;;) {
        pumpAll();
        const Timer* next = nullptr;
        for (const Timer& timer : timers_) {
            if (timer.due > now_ && timer.due <= target && (next == nullptr || timer.due < next->due)) next = &timer;
        }
        if (next == nullptr) break;
        now_ = next->due;
    }
    now_ = target;
    pumpAll();
}

UINT_PTR WindowSystem::setTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure) {
    if (window != nullptr && !exists(window)) return 0;
    elapse = std::max<UINT>(elapse, 10);  // USER_TIMER_MINIMUM
    if (window != nullptr) {
        for (Timer& timer : timers_) {
            if (timer.window == window && timer.id == id) {
                timer = {window, id, elapse, procedure, now_ + elapse};
                return id;
            }
        }
    } else {
        id = 0x7FF0 + nextTimerId_++;
    }
    timers_.push_back({window, id, elapse, procedure, now_ + elapse});
    return window != nullptr ? (id == 0 ? 1 : id) : id;
}

bool WindowSystem::killTimer(HWND window, UINT_PTR id) {
    const auto before = timers_.size();
    std::erase_if(timers_, [&](const Timer& t) { return t.window == window && t.id == id; });
    // A killed timer's WM_TIMER that is already waiting is removed too.
    return timers_.size() != before;
}

HWND WindowSystem::defaultOwner() const {
    if (!modal_.empty() && exists(modal_.back())) return modal_.back();
    if (exists(active_)) return active_;
    return mainWindow_;
}

HWND WindowSystem::userDialog() const {
    for (auto it = modal_.rbegin(); it != modal_.rend(); ++it) {
        if (const Window* window = find(*it); window && !window->dialogEnded) return *it;
    }
    const Window* active = find(active_);
    return active && active->isDialog ? active_ : nullptr;
}

std::vector<HWND> WindowSystem::survivorsSince(std::size_t mark) const {
    auto allowed = [&](const Window* window) {
        for (; window != nullptr; window = window->child() ? find(window->parent) : nullptr) {
            if (window->mayOutliveCall) return true;
        }
        return false;
    };
    std::vector<HWND> out;
    for (HWND handle : windows()) {
        const Window* window = find(handle);
        if (window->serial < mark || allowed(window)) continue;
        const Window* parent = window->child() ? find(window->parent) : nullptr;
        if (parent != nullptr && parent->serial >= mark) continue;  // reported with its parent
        out.push_back(handle);
    }
    return out;
}

std::vector<std::wstring> WindowSystem::destroyWindowsOf(const PluginModule* module) {
    std::vector<std::wstring> titles;
    for (HWND handle : windows()) {
        const Window* window = find(handle);
        if (window == nullptr || window->creator != module || handle == mainWindow_) continue;
        const Window* parent = window->child() ? find(window->parent) : nullptr;
        if (parent != nullptr && parent->creator == module) continue;
        titles.push_back(describe(handle));
        destroy(handle);
    }
    return titles;
}

std::wstring WindowSystem::describe(HWND handle) const {
    const Window* window = find(handle);
    if (window == nullptr) return L"a destroyed window";
    std::wstring kind = window->isMessageBox ? L"message box" : window->isDialog ? L"dialog" : L"window";
    if (window->child()) kind = window->control ? window->control->kind(*window) : window->className;
    std::wstring out = kind;
    if (window->child()) out += L" " + std::to_wstring(window->id);
    out += L" \"" + window->text + L"\"";
    if (!window->templateName.empty()) out += L" (template " + window->templateName + L")";
    return out;
}

const Control* WindowSystem::controlOf(HWND handle) const {
    const Window* window = find(handle);
    return window ? window->control.get() : nullptr;
}

}  // namespace vexa::sim::win
