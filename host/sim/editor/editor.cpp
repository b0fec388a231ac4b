#include "sim/editor/editor.h"

#include "sim/host.h"
#include "sim/user/window_acts.h"
#include "win/keyboard_input.h"

namespace vexa::sim::editor {

namespace {

constexpr wchar_t kViewClass[] = L"AcadDwgView";
// The view in the main window's client area, away from its origin so that the two differ.
constexpr RECT kViewPlace{40, 60, 40 + 1600, 60 + 900};

Editor* editorOf() { return &Host::current()->editor(); }

POINT pixelOf(LPARAM lParam) {
    return {static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam))),
            static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lParam)))};
}

}  // namespace

Editor::Editor(Host& host) : host_(host), viewports_({0, 0, kViewPlace.right - kViewPlace.left, kViewPlace.bottom - kViewPlace.top}) {
    win::WindowSystem& windows = host_.windows();
    windows.registerClass({0, viewProcedure, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, kViewClass});
    win::CreateParams params;
    params.className = kViewClass;
    params.text = L"Drawing";
    params.style = WS_CHILD | WS_VISIBLE;
    params.rect = kViewPlace;
    params.parent = windows.mainWindow();
    view_.m_hWnd = windows.create(params);
    windows.find(view_.m_hWnd)->mayOutliveCall = true;
    // Keys typed while no window has the focus reach the main frame, which hands them to the
    // command line as the host's frame does.
    win::Window* frame = windows.find(windows.mainWindow());
    frameDefault_ = frame->proc;
    frame->proc = frameProcedure;
}

Editor::~Editor() {
    if (win::Window* frame = host_.windows().find(host_.windows().mainWindow())) frame->proc = frameDefault_;
    view_.m_hWnd = nullptr;
}

LRESULT CALLBACK Editor::viewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The view is made while the editor is built: only input, which comes later, reaches it.
    if (message == WM_KEYDOWN) editorOf()->keyPressed(wParam);
    else if (message == WM_LBUTTONDOWN || message == WM_RBUTTONUP) editorOf()->clicked(message, pixelOf(lParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Editor::frameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Editor* editor = editorOf();
    if (message == WM_KEYDOWN) editor->keyPressed(wParam);
    return CallWindowProcW(editor->frameDefault_, window, message, wParam, lParam);
}

void Editor::keyPressed(WPARAM key) {
    const win::WindowSystem& windows = host_.windows();
    if (windows.keyDown(VK_CONTROL)) {
        // Ctrl+R makes the next tiled viewport current, prompt or not.
        if (key == 'R') {
            if (const Viewport* current = currentViewport()) setCurrentViewport(viewports_.next(current->number));
        }
        return;
    }
    if (!listening_) return;
    if (key == VK_RETURN || key == VK_SPACE) pending_.push_back({EditorInput::Kind::Enter});
    else if (key == VK_ESCAPE) pending_.push_back({EditorInput::Kind::Escape});
    else if (key == VK_BACK) pending_.push_back({EditorInput::Kind::Backspace});
    else if (key >= '0' && key <= '9') pending_.push_back({EditorInput::Kind::Character, {}, static_cast<wchar_t>(key)});
    else if (key >= 'A' && key <= 'Z') {
        const auto letter = static_cast<wchar_t>(windows.keyDown(VK_SHIFT) ? key : key + (L'a' - L'A'));
        pending_.push_back({EditorInput::Kind::Character, {}, letter});
    }
}

void Editor::clicked(UINT message, POINT pixel) {
    const Viewport* under = viewports_.at(pixel);
    if (under == nullptr) return;
    if (message == WM_RBUTTONUP) {
        if (listening_) pending_.push_back({EditorInput::Kind::RightClick});
        return;
    }
    // A click in another viewport only makes it current.
    const Viewport* current = currentViewport();
    if (current == nullptr || current->number != under->number) {
        setCurrentViewport(under->number);
        return;
    }
    if (listening_) pending_.push_back({EditorInput::Kind::Pick, under->toWorld(pixel)});
}

const Viewport* Editor::currentViewport() const {
    const auto value = host_.variable(L"CVPORT");
    return value && std::holds_alternative<int>(*value) ? viewports_.find(std::get<int>(*value)) : nullptr;
}

bool Editor::setCurrentViewport(int number) {
    if (viewports_.find(number) == nullptr) return false;
    host_.sysvars().force(L"CVPORT", number);
    return true;
}

void Editor::showLayout(bool layout) {
    if (layout == viewports_.inLayout()) return;
    if (layout) {
        if (const Viewport* current = currentViewport()) modelViewport_ = current->number;
    }
    viewports_.showLayout(layout);
    host_.sysvars().force(L"CVPORT", layout ? kPaperSpace : modelViewport_);
    if (currentViewport() == nullptr) host_.sysvars().force(L"CVPORT", viewports_.all().front().number);
}

double Editor::pickReach() const {
    // PICKBOX pixels on each side of the cursor (3 at first).
    const auto value = host_.variable(L"PICKBOX");
    const int pixels = value && std::holds_alternative<int>(*value) ? std::get<int>(*value) : 3;
    const Viewport* current = currentViewport();
    return pixels / (current != nullptr ? current->pixelsPerUnit : viewports_.all().front().pixelsPerUnit);
}

POINT Editor::screenPoint(const ViewPosition& position) const {
    POINT pixel{static_cast<LONG>(position.x), static_cast<LONG>(position.y)};
    if (!position.pixel) {
        const Viewport* viewport = position.viewport != 0 ? viewports_.find(position.viewport) : currentViewport();
        if (viewport == nullptr) viewport = &viewports_.all().front();
        pixel = viewport->toPixel({position.x, position.y});
    }
    const POINT origin = host_.windows().clientOrigin(view());
    return {origin.x + pixel.x, origin.y + pixel.y};
}

EditorInput Editor::nextInput(std::wstring_view prompt) {
    // A prompt is the host's own loop, also while a dialog waits hidden behind it.
    win::WindowSystem& windows = host_.windows();
    const bool outerLoop = windows.setHostLoop(true);
    struct Restore {
        win::WindowSystem& windows;
        bool outer;
        ~Restore() { windows.setHostLoop(outer); }
    } restore{windows, outerLoop};
    for (;;) {
        if (!pending_.empty()) {
            const EditorInput input = pending_.front();
            pending_.pop_front();
            return input;
        }
        if (host_.windows().pumpOne()) continue;
        UserInput& user = host_.user();
        user.refill(UserInput::Waiting::Prompt);
        if (user.nextServesAnywhere()) {
            win::performAnywhere(host_.windows(), user.takeDialogAct());
            continue;
        }
        if (user.empty() || user.nextIsDialogAct()) {
            const std::wstring next = user.empty() ? L"no act" : L"the dialog act \"" + user.describeNext() + L"\"";
            host_.audit().record(L"a selection prompt found " + next + L" next: " + std::wstring(prompt));
            return {EditorInput::Kind::Abandoned};
        }
        perform(user.take());
    }
}

std::optional<db::Point2> Editor::pointOfClick(const PromptAnswer& act) {
    const bool outer = listening_;
    listening_ = true;
    // The acts queued after the click wait until the host has taken it.
    performInTurn([&] {
        perform(act);
        host_.windows().pumpAll();
    });
    listening_ = outer;
    std::optional<db::Point2> world;
    for (const EditorInput& input : pending_) {
        if (input.kind == EditorInput::Kind::Pick) world = input.world;
    }
    pending_.clear();
    return world;
}

void Editor::perform(const PromptAnswer& act) {
    Input& input = host_.input();
    switch (act.kind) {
    case PromptAnswer::Kind::Text: typeText(act.text); break;
    case PromptAnswer::Kind::Enter: input.pressKey(VK_RETURN); break;
    case PromptAnswer::Kind::Escape: input.pressKey(VK_ESCAPE); break;
    case PromptAnswer::Kind::Pick:
        // Shift and Ctrl are held through the click; the host takes it before they come up.
        if (act.shift) input.keyDown(VK_SHIFT);
        if (act.control) input.keyDown(VK_CONTROL);
        input.click(act.middle ? MouseButton::Middle : MouseButton::Left, screenPoint(act.position));
        host_.windows().pumpAll();
        if (act.control) input.keyUp(VK_CONTROL);
        if (act.shift) input.keyUp(VK_SHIFT);
        break;
    case PromptAnswer::Kind::RightClick: {
        const Viewport* current = currentViewport();
        const RECT& at = (current != nullptr ? *current : viewports_.all().front()).pixels;
        const ViewPosition middle{true, (at.left + at.right) / 2.0, (at.top + at.bottom) / 2.0, 0};
        input.click(MouseButton::Right, screenPoint(middle));
        break;
    }
    case PromptAnswer::Kind::Key:
        if (act.control) input.keyDown(VK_CONTROL);
        input.pressKey(act.virtualKey);
        // The host takes the key while Ctrl is still down.
        host_.windows().pumpAll();
        if (act.control) input.keyUp(VK_CONTROL);
        break;
    case PromptAnswer::Kind::Move:
    case PromptAnswer::Kind::Graphics:
    case PromptAnswer::Kind::CursorPlace: host_.cursor().perform(act); break;
    case PromptAnswer::Kind::Window: performWindowAct(host_, act); break;
    }
}

// Typed as a person types: the host takes each key before the next one comes (and Shift is
// still down when it takes a capital).
void Editor::typeText(const std::wstring& text) {
    Input& input = host_.input();
    for (wchar_t c : text) {
        const bool capital = c >= L'A' && c <= L'Z';
        if (capital || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') || c == L' ') {
            if (capital) input.keyDown(VK_SHIFT);
            input.pressKey(capital || c < L'a' ? c : c - L'a' + 'A');
            host_.windows().pumpAll();
            if (capital) input.keyUp(VK_SHIFT);
        } else if (listening_) {
            // A character without a key of its own goes straight to the command line.
            pending_.push_back({EditorInput::Kind::Character, {}, c});
        }
    }
    input.pressKey(VK_RETURN);
}

}  // namespace vexa::sim::editor
