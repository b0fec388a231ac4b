// The dialog manager: dialogs built from templates, the modal loop with the scripted user,
// keyboard navigation (IsDialogMessage) and the default dialog procedure.
#include <stdexcept>

#include "sim/host.h"
#include "sim/user/window_acts.h"
#include "sim/win/user32/controls.h"

namespace vexa::sim::win {

namespace {

std::wstring moduleName(Host& host, HINSTANCE instance) {
    if (instance == nullptr) return L"no resource module (nothing pushed)";
    if (const PluginModule* module = host.pluginByInstance(instance)) return module->name();
    return L"the resource module " + std::to_wstring(reinterpret_cast<std::uintptr_t>(instance));
}

bool isPushButton(WindowSystem& system, HWND window) {
    const UINT code = static_cast<UINT>(system.send(window, WM_GETDLGCODE, 0, 0));
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

// Tab order: the dialog's descendants that take the focus, in creation order, entering child dialogs.
void tabStops(WindowSystem& system, HWND parent, std::vector<HWND>& out) {
    const Window* window = system.find(parent);
    if (window == nullptr) return;
    for (HWND child : window->children) {
        const Window* c = system.find(child);
        if (c == nullptr || !c->visibleFlag() || !c->enabledFlag()) continue;
        if (c->isDialog || (c->exStyle & WS_EX_CONTROLPARENT)) tabStops(system, child, out);
        else if (c->style & WS_TABSTOP) out.push_back(child);
    }
}

}  // namespace

HWND WindowSystem::createDialog(HINSTANCE instance, LPCWSTR name, HWND owner, DLGPROC procedure, LPARAM param,
                                std::function<void(HWND)> beforeFirstMessage) {
    const ResourceId id = IS_INTRESOURCE(name) ? ResourceId::of(static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name)))
                                               : ResourceId::of(std::wstring(name ? name : L""));
    std::optional<DialogTemplate> found;
    try {
        found = resources_.dialog(instance, id);
    } catch (const std::runtime_error& error) {
        host_.audit().record(L"the dialog template " + id.describe() + L" of " + moduleName(host_, instance) +
                             L" is malformed");
        return nullptr;
    }
    if (!found) {
        host_.audit().record(L"the dialog template " + id.describe() + L" is not in " + moduleName(host_, instance));
        return nullptr;
    }
    const DialogTemplate& dialog = *found;
    const bool child = (dialog.style & WS_CHILD) != 0;

    Window probe;
    probe.style = dialog.style;
    probe.exStyle = dialog.exStyle;
    const RECT insets = frameInsets(probe);
    const RECT client = mapDialogRect({0, 0, dialog.cx, dialog.cy});
    const RECT offset = mapDialogRect({dialog.x, dialog.y, 0, 0});
    const LONG width = client.right + insets.left + insets.right;
    const LONG height = client.bottom + insets.top + insets.bottom;
    POINT origin{offset.left, offset.top};
    if (!child && (dialog.style & DS_CENTER)) {
        origin = {(screenSize().x - width) / 2, (screenSize().y - height) / 2};
    } else if (!child && owner != nullptr) {
        const POINT base = clientOrigin(owner);
        origin = {base.x + offset.left, base.y + offset.top};
    }

    CreateParams params;
    params.className = dialog.windowClass.isOrdinal || dialog.windowClass.name.empty() ? L"#32770" : dialog.windowClass.name;
    params.text = dialog.title;
    params.style = dialog.style & ~static_cast<DWORD>(WS_VISIBLE);
    params.exStyle = dialog.exStyle;
    params.rect = {origin.x, origin.y, origin.x + width, origin.y + height};
    params.parent = owner;
    params.instance = instance;
    params.beforeFirstMessage = [&](HWND handle) {
        Window* window = find(handle);
        window->isDialog = true;
        window->templateName = id.isOrdinal ? std::to_wstring(id.ordinal) : id.name;
        window->dialogLongs[1] = reinterpret_cast<LONG_PTR>(procedure);
        if (beforeFirstMessage) beforeFirstMessage(handle);
    };
    const HWND handle = create(std::move(params));
    if (handle == nullptr) {
        host_.audit().record(L"the dialog " + id.describe() + L" of " + moduleName(host_, instance) + L" could not be created");
        return nullptr;
    }

    for (const DialogItemTemplate& item : dialog.items) {
        CreateParams control;
        control.className = item.className();
        control.text = item.title.isOrdinal ? L"" : item.title.name;
        control.style = item.style | WS_CHILD;
        control.exStyle = item.exStyle;
        control.rect = mapDialogRect({item.x, item.y, item.x + item.cx, item.y + item.cy});
        control.parent = handle;
        control.id = static_cast<int>(item.id);
        control.instance = instance;
        if (classProcedure(control.className) == nullptr || create(std::move(control)) == nullptr) {
            host_.audit().record(L"the dialog \"" + dialog.title + L"\" has a control of the unknown class \"" +
                                 item.className() + L"\" (id " + std::to_wstring(static_cast<int>(item.id)) + L")");
            destroy(handle);
            return nullptr;
        }
    }

    std::vector<HWND> stops;
    tabStops(*this, handle, stops);
    const HWND first = stops.empty() ? nullptr : stops.front();
    const LRESULT setDefaultFocus = send(handle, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    if (!exists(handle)) return nullptr;
    if (setDefaultFocus && !child) {
        // The first control in tab order takes the focus; an edit's text is selected.
        stops.clear();
        tabStops(*this, handle, stops);
        if (!stops.empty()) {
            find(handle)->lastFocus = stops.front();
            setFocus(stops.front());
            if (send(stops.front(), WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) send(stops.front(), EM_SETSEL, 0, -1);
        }
    }
    if (exists(handle) && (dialog.style & WS_VISIBLE)) show(handle, SW_SHOW);
    return exists(handle) ? handle : nullptr;
}

INT_PTR WindowSystem::runModal(HWND dialog) {
    Window* window = find(dialog);
    if (window == nullptr) return -1;
    const HWND owner = window->owner;
    const bool disableOwner = owner != nullptr && enabled(owner);
    if (disableOwner) enable(owner, false);
    modal_.push_back(dialog);
    const bool outerLoop = setHostLoop(false);
    if (!window->dialogEnded) {
        show(dialog, SW_SHOWNORMAL);
        // The focus goes where the dialog manager put it at initialisation (or stays where the
        // dialog put it), now that the dialog is active.
        if (Window* shown = find(dialog); shown && !isDescendant(dialog, focus_)) {
            HWND target = exists(shown->lastFocus) ? shown->lastFocus : nullptr;
            if (target == nullptr) {
                std::vector<HWND> stops;
                tabStops(*this, dialog, stops);
                if (!stops.empty()) target = stops.front();
            }
            if (target != nullptr) {
                setFocus(target);
                if (send(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) send(target, EM_SETSEL, 0, -1);
            }
        }
    }
    while (exists(dialog) && !find(dialog)->dialogEnded && !quitPosted_) {
        if (pumpOne()) continue;
        if (!exists(dialog) || find(dialog)->dialogEnded || quitPosted_) break;
        // Nothing waits: the scripted user acts.
        UserInput& user = host_.user();
        const std::wstring what = describe(dialog);
        user.refill(UserInput::Waiting::Dialog, dialog);
        if (user.empty()) {
            host_.audit().record(L"the " + what + L" waited for the user and no act was queued; it was closed with IDCANCEL");
            endDialog(dialog, IDCANCEL);
        } else if (user.nextIsPromptAnswer()) {
            const PromptAnswer& answer = user.nextPromptAnswer();
            if (answer.kind == PromptAnswer::Kind::Window) {
                performWindowAct(host_, user.take());
            } else if (answer.kind == PromptAnswer::Kind::Enter) {
                user.take();
                performAct(*this, dialog, DialogAct::enter());
            } else if (answer.kind == PromptAnswer::Kind::Escape) {
                user.take();
                performAct(*this, dialog, DialogAct::escape());
            } else {
                host_.audit().record(L"the prompt act \"" + user.describeNext() + L"\" came while the " + what +
                                     L" was up; it was closed with IDCANCEL");
                endDialog(dialog, IDCANCEL);
            }
        } else {
            performAct(*this, dialog, user.takeDialogAct());
        }
    }
    setHostLoop(outerLoop);
    std::erase(modal_, dialog);
    const INT_PTR result = exists(dialog) ? find(dialog)->dialogResult : -1;
    if (disableOwner && exists(owner)) enable(owner, true);
    if (exists(dialog)) show(dialog, SW_HIDE);
    return result;
}

bool WindowSystem::endDialog(HWND dialog, INT_PTR result) {
    Window* window = find(dialog);
    if (window == nullptr) return false;
    window->dialogEnded = true;
    window->dialogResult = result;
    if (std::find(modal_.begin(), modal_.end(), dialog) == modal_.end()) show(dialog, SW_HIDE);
    return true;
}

bool WindowSystem::isDialogMessage(HWND dialog, MSG& message) {
    if (message.hwnd != dialog && !isDescendant(dialog, message.hwnd)) return false;
    const bool key = message.message == WM_KEYDOWN || message.message == WM_CHAR;
    const WPARAM vk = message.wParam;
    if (key && (vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_TAB)) {
        const UINT code = static_cast<UINT>(send(message.hwnd, WM_GETDLGCODE, vk, reinterpret_cast<LPARAM>(&message)));
        const bool wanted = (code & DLGC_WANTALLKEYS) || (vk == VK_TAB && (code & DLGC_WANTTAB));
        if (!wanted) {
            if (message.message == WM_CHAR) return true;  // the key was the dialog's
            if (vk == VK_TAB) {
                std::vector<HWND> stops;
                tabStops(*this, dialog, stops);
                if (!stops.empty()) {
                    auto at = std::find(stops.begin(), stops.end(), focus_);
                    const bool back = keyDown(VK_SHIFT);
                    HWND next;
                    if (at == stops.end()) next = back ? stops.back() : stops.front();
                    else if (back) next = at == stops.begin() ? stops.back() : *(at - 1);
                    else next = at + 1 == stops.end() ? stops.front() : *(at + 1);
                    setFocus(next);
                    if (send(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) send(next, EM_SETSEL, 0, -1);
                }
                return true;
            }
            int id = IDCANCEL;
            if (vk == VK_RETURN) {
                if ((focus_ == dialog || isDescendant(dialog, focus_)) && focus_ != dialog && isPushButton(*this, focus_)) {
                    id = find(focus_)->id;
                } else {
                    const LRESULT defId = send(dialog, DM_GETDEFID, 0, 0);
                    id = HIWORD(static_cast<std::uintptr_t>(defId)) == DC_HASDEFID ? LOWORD(static_cast<std::uintptr_t>(defId)) : IDOK;
                }
            }
            const HWND button = childById(dialog, id);
            if (button != nullptr && !enabled(button)) {
                MessageBeep(0);
                return true;
            }
            send(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), reinterpret_cast<LPARAM>(button));
            return true;
        }
    }
    translate(message);
    dispatch(message);
    return true;
}

LRESULT dialogProcedure(WindowSystem& system, HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = system.find(handle);
    if (window == nullptr) return 0;
    if (auto procedure = reinterpret_cast<DLGPROC>(window->dialogLongs[1])) {
        const INT_PTR handled = procedure(handle, message, wParam, lParam);
        if (message == WM_INITDIALOG) return handled;
        if (handled) {
            window = system.find(handle);
            return window ? window->dialogLongs[0] : 0;
        }
        window = system.find(handle);
        if (window == nullptr) return 0;
    }
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_CLOSE: {
            // The close box cancels, as the Cancel button would (unless that button is disabled).
            const HWND cancel = system.childById(handle, IDCANCEL);
            if (cancel != nullptr && !system.enabled(cancel)) {
                MessageBeep(0);
                return 0;
            }
            system.send(handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
            return 0;
        }
        case DM_GETDEFID: {
            if (window->defaultId != 0) return MAKELONG(static_cast<WORD>(window->defaultId), DC_HASDEFID);
            for (HWND child : window->children) {
                const Window* c = system.find(child);
                if (c && c->className == L"Button" && (c->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
                    return MAKELONG(static_cast<WORD>(c->id), DC_HASDEFID);
                }
            }
            return 0;
        }
        case DM_SETDEFID: {
            for (HWND child : window->children) {
                Window* c = system.find(child);
                if (c == nullptr || c->className != L"Button") continue;
                const DWORD type = c->style & BS_TYPEMASK;
                if (type == BS_DEFPUSHBUTTON && c->id != static_cast<int>(wParam)) c->style = (c->style & ~BS_TYPEMASK) | BS_PUSHBUTTON;
                if (type == BS_PUSHBUTTON && c->id == static_cast<int>(wParam)) c->style = (c->style & ~BS_TYPEMASK) | BS_DEFPUSHBUTTON;
            }
            if (Window* w = system.find(handle)) w->defaultId = static_cast<int>(wParam);
            return TRUE;
        }
        case WM_ACTIVATE:
        case WM_SETFOCUS:
            if ((message == WM_SETFOCUS || LOWORD(wParam) != 0) && !system.isDescendant(handle, system.focus()) &&
                system.exists(window->lastFocus) && system.isDescendant(handle, window->lastFocus)) {
                system.setFocus(window->lastFocus);
            }
            return 0;
        case WM_NEXTDLGCTL: {
            HWND target = nullptr;
            if (LOWORD(static_cast<std::uintptr_t>(lParam))) {
                target = reinterpret_cast<HWND>(wParam);
            } else {
                std::vector<HWND> stops;
                tabStops(system, handle, stops);
                if (stops.empty()) return 0;
                auto at = std::find(stops.begin(), stops.end(), system.focus());
                if (at == stops.end()) target = stops.front();
                else if (wParam) target = at == stops.begin() ? stops.back() : *(at - 1);
                else target = at + 1 == stops.end() ? stops.front() : *(at + 1);
            }
            if (target == nullptr) return 0;
            system.setFocus(target);
            if (system.send(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) system.send(target, EM_SETSEL, 0, -1);
            return 0;
        }
        default:
            return defaultProcedure(system, handle, message, wParam, lParam);
    }
}

}  // namespace vexa::sim::win
