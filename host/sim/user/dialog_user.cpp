// The scripted user's acts in a dialog, the view tests inspect, and the dialog dump.
#include <cwctype>

#include "sim/host.h"
#include "sim/user/dialog_layout.h"
#include "sim/win/user32/controls.h"
#include "sim/win/user32/sim_messages.h"
#include "win/commctrl.h"

namespace vexa::sim {

std::wstring UserInput::describeNext() const {
    if (answers_.empty()) return {};
    if (const auto* act = std::get_if<DialogAct>(&answers_.front())) return act->describe();
    const auto& answer = std::get<PromptAnswer>(answers_.front());
    switch (answer.kind) {
        case PromptAnswer::Kind::Enter: return L"enter";
        case PromptAnswer::Kind::Escape: return L"esc";
        case PromptAnswer::Kind::Window: return answer.text;
        default: return L"type " + answer.text;
    }
}

}  // namespace vexa::sim

namespace vexa::sim::win {

namespace {

bool isNumber(std::wstring_view text) {
    if (text.empty()) return false;
    std::size_t i = text[0] == L'-' ? 1 : 0;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
        if (!std::iswdigit(static_cast<wint_t>(text[i]))) return false;
    }
    return true;
}

void descendants(const WindowSystem& system, HWND parent, std::vector<HWND>& out) {
    const Window* window = system.find(parent);
    if (window == nullptr) return;
    for (HWND child : window->children) {
        out.push_back(child);
        descendants(system, child, out);
    }
}

std::wstring escaped(std::wstring_view text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c == L'\r') continue;
        if (c == L'\n') out += L"\\n";
        else if (c == L'"') out += L"\\\"";
        else out += c;
    }
    return out;
}

std::wstring className(const WindowSystem& system, HWND control) {
    const Window* window = system.find(control);
    return window ? foldCase(window->className) : std::wstring{};
}

// One keystroke as the keyboard delivers it: key down, the character, key up, each through the
// low-level hooks into the queue and taken by the dialog's loop, as every key of the user is.
void pressKey(WindowSystem& system, HWND target, WPARAM key, wchar_t character) {
    const bool shift = character >= L'A' && character <= L'Z';
    Input& input = system.host().input();
    auto deliver = [&](WPARAM vk, bool down, LPARAM packet) {
        input.keyInto(target, static_cast<int>(vk), !down, packet);
        system.pumpAll();
    };
    if (shift) deliver(VK_SHIFT, true, 0);
    const LPARAM packet = key == VK_PACKET ? static_cast<LPARAM>(static_cast<std::uint64_t>(character) << 32) : 0;
    deliver(key, true, packet);
    deliver(key, false, packet);
    if (shift) deliver(VK_SHIFT, false, 0);
}

// Keys typed as text; {BS}, {DEL}, {LEFT}, {RIGHT}, {HOME}, {END}, {TAB}, {ENTER}, {ESC} name keys.
void typeText(WindowSystem& system, HWND target, std::wstring_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'{') {
            const std::size_t close = text.find(L'}', i);
            if (close != std::wstring_view::npos) {
                const std::wstring name = foldCase(text.substr(i + 1, close - i - 1));
                WPARAM key = 0;
                if (name == L"BS") key = VK_BACK;
                else if (name == L"DEL") key = VK_DELETE;
                else if (name == L"LEFT") key = VK_LEFT;
                else if (name == L"RIGHT") key = VK_RIGHT;
                else if (name == L"HOME") key = VK_HOME;
                else if (name == L"END") key = VK_END;
                else if (name == L"TAB") key = VK_TAB;
                else if (name == L"ENTER") key = VK_RETURN;
                else if (name == L"ESC") key = VK_ESCAPE;
                if (key != 0) {
                    const HWND focus = system.focus() ? system.focus() : target;
                    pressKey(system, focus, key, 0);
                    i = close;
                    continue;
                }
            }
        }
        WPARAM key = VK_PACKET;  // characters off the letter and digit keys come as packets
        if (c >= L'a' && c <= L'z') key = static_cast<WPARAM>(c - 32);
        else if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) key = static_cast<WPARAM>(c);
        else if (c == L' ') key = VK_SPACE;
        const HWND focus = system.focus() ? system.focus() : target;
        pressKey(system, focus, key, c);
    }
}

// The focus moved by the user to a control for typing: a click leaves the caret at the end.
void focusForTyping(WindowSystem& system, HWND control) {
    if (system.focus() == control) return;
    system.setFocus(control);
    const std::wstring cls = className(system, control);
    if (cls == L"EDIT") system.send(control, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    if (cls == L"COMBOBOX") system.send(control, CB_SETEDITSEL, 0, MAKELPARAM(0x7FFF, 0x7FFF));
}

void selectAll(WindowSystem& system, HWND control) {
    const std::wstring cls = className(system, control);
    if (cls == L"COMBOBOX") system.send(control, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
    else system.send(control, EM_SETSEL, 0, -1);
}

int findEntry(WindowSystem& system, HWND control, std::wstring_view text) {
    const std::wstring cls = className(system, control);
    const std::wstring copy(text);
    const auto lp = reinterpret_cast<LPARAM>(copy.c_str());
    if (cls == L"LISTBOX" || cls == L"COMBOBOX") {
        const bool list = cls == L"LISTBOX";
        const LRESULT exact = system.send(control, list ? LB_FINDSTRINGEXACT : CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lp);
        if (exact >= 0) return static_cast<int>(exact);
        return static_cast<int>(system.send(control, list ? LB_FINDSTRING : CB_FINDSTRING, static_cast<WPARAM>(-1), lp));
    }
    const Window* window = system.find(control);
    if (window == nullptr || window->control == nullptr) return -1;
    const auto items = window->control->items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (foldCase(items[i]) == foldCase(text)) return static_cast<int>(i);
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (startsWithFolded(items[i], text)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

std::wstring DialogAct::describe() const {
    auto with = [&](const wchar_t* verb) {
        std::wstring out = verb;
        if (!target.empty()) out += L" " + target;
        if (!text.empty()) out += L" " + text;
        return out;
    };
    switch (kind) {
        case Kind::Click: return with(L"click");
        case Kind::DoubleClick: return with(L"dblclick");
        case Kind::Keys: return with(L"keys");
        case Kind::ReplaceText: return with(L"text");
        case Kind::Select: return with(L"select");
        case Kind::SelectIndex: return with(L"select-index") + L" " + std::to_wstring(number);
        case Kind::DropDown: return with(L"drop");
        case Kind::Drag: {
            std::wstring out = with(L"drag");
            for (int p : positions) out += L" " + std::to_wstring(p);
            return out;
        }
        case Kind::Scroll: return with(L"scroll") + L" " + std::to_wstring(number);
        case Kind::Check: return with(L"check");
        case Kind::Uncheck: return with(L"uncheck");
        case Kind::Focus: return with(L"focus");
        case Kind::Close: return with(L"close");
        case Kind::Answer: return with(L"answer");
        case Kind::Wait: return L"wait " + std::to_wstring(number);
        case Kind::Inspect: return L"inspect";
        case Kind::Show: return with(L"show");
        case Kind::Status: return L"status";
        case Kind::SelectTab: return with(L"tab") + L" " + std::to_wstring(number);
        case Kind::EditLabel: return L"label " + target + L" " + std::to_wstring(number) + L" " + text;
        case Kind::Enter: return L"enter";
        case Kind::Escape: return L"esc";
        case Kind::ChooseFolder: return L"folder " + text;
        case Kind::CancelFolder: return L"folder-cancel";
    }
    return L"?";
}

void performAct(WindowSystem& system, HWND dialog, const DialogAct& act) {
    Host& host = system.host();
    const DialogView view(system, dialog);
    auto fault = [&](const std::wstring& why) {
        host.audit().record(L"act \"" + act.describe() + L"\" in the " + system.describe(dialog) + L": " + why);
    };
    auto keyTarget = [&] {
        const HWND focus = system.focus();
        return focus != nullptr && (focus == dialog || system.isDescendant(dialog, focus)) ? focus : dialog;
    };
    using Kind = DialogAct::Kind;
    switch (act.kind) {
        case Kind::Enter: pressKey(system, keyTarget(), VK_RETURN, 0); return;
        case Kind::Escape: pressKey(system, keyTarget(), VK_ESCAPE, 0); return;
        case Kind::Close:
            if (act.anywhere()) performAnywhere(system, act);
            else system.send(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            return;
        case Kind::Wait: system.wait(static_cast<DWORD>(std::max(0, act.number))); return;
        case Kind::Show:
            if (act.anywhere()) performAnywhere(system, act);
            else host.commandLine().print(view.dump() + L"\n");
            return;
        case Kind::Status: performAnywhere(system, act); return;
        case Kind::Inspect: {
            DialogView copy = view;
            if (act.inspect) act.inspect(copy);
            return;
        }
        case Kind::ChooseFolder:
        case Kind::CancelFolder: fault(L"no folder picker is up"); return;
        default: break;
    }
    if (act.kind == Kind::Answer && !view.isMessageBox()) {
        fault(L"it is not a message box");
        return;
    }
    const HWND control = view.control(act.target);
    if (control == nullptr) {
        fault(L"there is no control " + act.target);
        return;
    }
    // A hidden or disabled control cannot be reached by the user: the act has no effect.
    if (!system.visible(control) || !system.enabled(control)) return;
    const std::wstring cls = className(system, control);
    switch (act.kind) {
        case Kind::Click:
        case Kind::Answer:
            if (cls == L"BUTTON") system.send(control, BM_CLICK, 0, 0);
            else {
                system.send(control, WM_LBUTTONDOWN, 1, 0);
                if (system.exists(control)) system.send(control, WM_LBUTTONUP, 0, 0);
            }
            break;
        case Kind::DoubleClick: {
            int index = act.text.empty() ? -1 : findEntry(system, control, act.text);
            if (act.text.empty()) index = view.selection(system.find(control)->id);
            if (cls == L"BUTTON" || cls == L"STATIC") {
                system.send(control, WM_LBUTTONDBLCLK, 1, 0);
                break;
            }
            if (index < 0) {
                fault(L"no entry to double-click");
                break;
            }
            system.send(control, SIM_USER_SELECT, static_cast<WPARAM>(index), 1);
            break;
        }
        case Kind::Keys:
            focusForTyping(system, control);
            typeText(system, control, act.text);
            break;
        case Kind::ReplaceText:
            system.setFocus(control);
            selectAll(system, control);
            if (act.text.empty()) pressKey(system, control, VK_DELETE, 0);
            else typeText(system, control, act.text);
            break;
        case Kind::Select:
        case Kind::SelectIndex:
        case Kind::SelectTab: {
            const int index = act.kind == Kind::Select ? findEntry(system, control, act.text) : act.number;
            if (index < 0 || !system.send(control, SIM_USER_SELECT, static_cast<WPARAM>(index), 0)) {
                fault(L"no such entry");
            }
            break;
        }
        case Kind::DropDown:
            if (!system.send(control, SIM_USER_DROPDOWN, 0, 0)) fault(L"it is not a combo box");
            break;
        case Kind::Drag: {
            if (cls != L"MSCTLS_TRACKBAR32") {
                fault(L"it is not a slider");
                break;
            }
            // The thumb is dragged through the positions, released at the last.
            for (int position : act.positions) system.send(control, SIM_USER_SCROLL, TB_THUMBTRACK, position);
            const int last = act.positions.empty() ? view.selection(system.find(control)->id) : act.positions.back();
            system.send(control, SIM_USER_SCROLL, TB_THUMBPOSITION, last);
            system.send(control, SIM_USER_SCROLL, TB_ENDTRACK, 0);
            break;
        }
        case Kind::Scroll:
            if (cls != L"MSCTLS_TRACKBAR32") {
                fault(L"it is not a slider");
                break;
            }
            system.send(control, SIM_USER_SCROLL, static_cast<WPARAM>(act.number), 0);
            system.send(control, SIM_USER_SCROLL, TB_ENDTRACK, 0);
            break;
        case Kind::Check:
        case Kind::Uncheck: {
            const LRESULT want = act.kind == Kind::Check ? BST_CHECKED : BST_UNCHECKED;
            for (int tries = 0; tries < 3 && system.exists(control) && system.send(control, BM_GETCHECK, 0, 0) != want; ++tries) {
                system.send(control, BM_CLICK, 0, 0);
            }
            break;
        }
        case Kind::Focus:
            system.setFocus(control);
            if (system.send(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) system.send(control, EM_SETSEL, 0, -1);
            break;
        case Kind::EditLabel: {
            if (cls != L"SYSLISTVIEW32") {
                fault(L"it is not a list view");
                break;
            }
            system.setFocus(control);
            const auto edit = reinterpret_cast<HWND>(system.send(control, LVM_EDITLABELW, static_cast<WPARAM>(act.number), 0));
            if (edit == nullptr) break;  // the dialog refused the edit
            system.send(edit, EM_SETSEL, 0, -1);
            if (act.text.empty()) pressKey(system, edit, VK_DELETE, 0);
            else typeText(system, edit, act.text);
            if (system.exists(edit)) {
                const bool cancel = !act.positions.empty() && act.positions[0] == 1;
                pressKey(system, edit, cancel ? VK_ESCAPE : VK_RETURN, 0);
            }
            break;
        }
        default:
            break;
    }
}

std::wstring DialogView::title() const { return system_.text(dialog_); }

bool DialogView::isMessageBox() const {
    const Window* window = system_.find(dialog_);
    return window != nullptr && window->isMessageBox;
}

HWND DialogView::control(int id) const { return control(std::to_wstring(id)); }

HWND DialogView::control(std::wstring_view target) const {
    std::vector<HWND> all;
    descendants(system_, dialog_, all);
    if (isNumber(target)) {
        // Pages of a tab dialog may share ids: the control on the page shown comes first.
        const int id = std::stoi(std::wstring(target));
        HWND hidden = nullptr;
        for (HWND child : all) {
            if (system_.find(child)->id != id) continue;
            if (system_.visible(child)) return child;
            if (hidden == nullptr) hidden = child;
        }
        return hidden;
    }
    // By caption: buttons (check boxes and radios among them) and statics, visible ones first,
    // the text without its mnemonic, case ignored. An edit's text is not a caption.
    const std::wstring wanted = foldCase(withoutMnemonic(target));
    for (int pass = 0; pass < 2; ++pass) {
        for (HWND child : all) {
            if (pass == 0 && !system_.visible(child)) continue;
            const std::wstring cls = className(system_, child);
            if (cls != L"BUTTON" && cls != L"STATIC") continue;
            if (foldCase(withoutMnemonic(system_.find(child)->text)) == wanted) return child;
        }
    }
    return nullptr;
}

std::wstring DialogView::text(int id) const { return system_.text(control(id)); }
bool DialogView::enabled(int id) const { return system_.enabled(control(id)); }
bool DialogView::visible(int id) const { return system_.visible(control(id)); }
int DialogView::checked(int id) const { return static_cast<int>(system_.send(control(id), BM_GETCHECK, 0, 0)); }
bool DialogView::focused(int id) const { return control(id) != nullptr && system_.focus() == control(id); }

int DialogView::focusId() const {
    const Window* window = system_.find(system_.focus());
    return window != nullptr && system_.isDescendant(dialog_, window->handle) ? window->id : 0;
}

int DialogView::selection(int id) const {
    const Window* window = system_.find(control(id));
    return window && window->control ? window->control->selection() : -1;
}

std::vector<std::wstring> DialogView::items(int id) const {
    const Window* window = system_.find(control(id));
    return window && window->control ? window->control->items() : std::vector<std::wstring>{};
}

std::wstring DialogView::selectedText(int id) const {
    const auto all = items(id);
    const int index = selection(id);
    return index >= 0 && static_cast<std::size_t>(index) < all.size() ? all[static_cast<std::size_t>(index)] : std::wstring{};
}

std::wstring DialogView::dump() const {
    const Window* dialog = system_.find(dialog_);
    if (dialog == nullptr) return L"(no dialog)";
    std::wstring out = (dialog->isMessageBox ? L"message box \"" : L"dialog \"") + escaped(dialog->text) + L"\"";
    const RECT client = system_.clientRect(dialog_);
    out += L" " + std::to_wstring(client.right) + L"x" + std::to_wstring(client.bottom) + dialogFont(system_, *dialog);
    std::function<void(HWND, int)> walk = [&](HWND parent, int depth) {
        for (HWND child : system_.find(parent)->children) {
            const Window* window = system_.find(child);
            if (window == nullptr) continue;
            std::wstring line(static_cast<std::size_t>(depth) * 2, L' ');
            const std::wstring kind = window->control ? window->control->kind(*window)
                                      : window->isDialog ? std::wstring(L"page") : foldCase(window->className);
            line += std::to_wstring(window->id) + L" " + kind + L" \"" + escaped(system_.text(child)) + L"\"";
            std::wstring state = window->control ? window->control->state(*window) : std::wstring{};
            if (!window->visibleFlag()) state = L"hidden" + (state.empty() ? L"" : L" " + state);
            if (!window->enabledFlag()) state = L"disabled" + (state.empty() ? L"" : L" " + state);
            if (system_.focus() == child) state = L"focus" + (state.empty() ? L"" : L" " + state);
            if (!state.empty()) line += L" [" + state + L"]";
            line += controlLayout(system_, *window);
            if (window->control) {
                const auto entries = window->control->items();
                if (!entries.empty()) {
                    line += L" items " + std::to_wstring(entries.size()) + L":";
                    const std::size_t shown = std::min<std::size_t>(entries.size(), 20);
                    for (std::size_t i = 0; i < shown; ++i) line += (i ? L"," : L"") + std::wstring(L" \"") + escaped(entries[i]) + L"\"";
                    if (shown < entries.size()) line += L", …";
                }
            }
            out += L"\n" + line;
            if (window->control) {
                for (const std::wstring& detail : window->control->details()) {
                    out += L"\n" + std::wstring(static_cast<std::size_t>(depth) * 2 + 4, L' ') + detail;
                }
            }
            if (!window->children.empty()) walk(child, depth + 1);
        }
    };
    walk(dialog_, 1);
    return out;
}

}  // namespace vexa::sim::win
