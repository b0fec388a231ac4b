// One act of the scripted user in a dialog, and the view of a dialog that tests inspect.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "win/winuser.h"

namespace vexa::sim::win {

class WindowSystem;

// What a test sees of a dialog that is up: every control by id or caption.
class DialogView {
public:
    DialogView(WindowSystem& system, HWND dialog) : system_(system), dialog_(dialog) {}

    HWND handle() const { return dialog_; }
    std::wstring title() const;
    bool isMessageBox() const;
    // A control by id ("1001") or by caption without mnemonics ("OK", "Yes"); null when none.
    HWND control(std::wstring_view target) const;
    HWND control(int id) const;
    std::wstring text(int id) const;
    bool exists(int id) const { return control(id) != nullptr; }
    bool enabled(int id) const;
    bool visible(int id) const;
    int checked(int id) const;          // BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE
    int selection(int id) const;        // list, combo, tab: the selected index; trackbar, progress: the position
    std::wstring selectedText(int id) const;
    std::vector<std::wstring> items(int id) const;
    bool focused(int id) const;
    int focusId() const;
    // The whole state as `show` prints it.
    std::wstring dump() const;

private:
    WindowSystem& system_;
    HWND dialog_;
};

struct DialogAct {
    enum class Kind {
        Click, DoubleClick, Keys, ReplaceText, Select, SelectIndex, DropDown, Drag, Scroll, Check, Uncheck,
        Focus, Close, Answer, Wait, Inspect, Show, SelectTab, EditLabel, Enter, Escape, ChooseFolder, CancelFolder, Status,
    };
    Kind kind = Kind::Click;
    std::wstring target;  // control id as digits, or a caption
    std::wstring text;
    int number = 0;
    std::vector<int> positions;
    std::function<void(DialogView&)> inspect;

    static DialogAct click(int id) { return on(Kind::Click, id); }
    static DialogAct click(std::wstring caption) { return make(Kind::Click, std::move(caption)); }
    static DialogAct doubleClick(int id, std::wstring entry = {}) { return on(Kind::DoubleClick, id, std::move(entry)); }
    // Types keystroke by keystroke into the control (focusing it first if needed).
    static DialogAct keys(int id, std::wstring text) { return on(Kind::Keys, id, std::move(text)); }
    // Selects the whole text and types the replacement.
    static DialogAct replaceText(int id, std::wstring text) { return on(Kind::ReplaceText, id, std::move(text)); }
    // Selects an entry of a list or combo by its text (exact, else the first that begins with it).
    static DialogAct select(int id, std::wstring entry) { return on(Kind::Select, id, std::move(entry)); }
    static DialogAct selectIndex(int id, int index) { return on(Kind::SelectIndex, id, {}, index); }
    static DialogAct dropDown(int id) { return on(Kind::DropDown, id); }
    // Drags a slider's thumb through the positions, releasing it at the last.
    static DialogAct drag(int id, std::vector<int> positions) {
        DialogAct act = on(Kind::Drag, id);
        act.positions = std::move(positions);
        return act;
    }
    // A key on a slider or a click in its channel: TB_LINEUP … TB_BOTTOM.
    static DialogAct scroll(int id, int code) { return on(Kind::Scroll, id, {}, code); }
    static DialogAct check(int id) { return on(Kind::Check, id); }
    static DialogAct uncheck(int id) { return on(Kind::Uncheck, id); }
    static DialogAct focus(int id) { return on(Kind::Focus, id); }
    static DialogAct selectTab(int id, int index) { return on(Kind::SelectTab, id, {}, index); }
    // Edits a list-view row's label in place and ends the edit with Enter.
    static DialogAct editLabel(int id, int row, std::wstring text) { return on(Kind::EditLabel, id, std::move(text), row); }
    // Enter and ESC come as PromptAnswer::enter() / escape() from the shared queue; these are for direct use.
    static DialogAct enter() { return make(Kind::Enter); }
    static DialogAct escape() { return make(Kind::Escape); }
    // The close box: WM_CLOSE through the system menu command.
    static DialogAct close() { return make(Kind::Close); }
    // Presses a message box's button by id (IDYES …) or caption ("Yes").
    static DialogAct answer(int id) { return on(Kind::Answer, id); }
    static DialogAct answer(std::wstring caption) { return make(Kind::Answer, std::move(caption)); }
    // Answers the shell's folder picker: the folder (a Windows path), or Cancel.
    static DialogAct chooseFolder(std::wstring path) { return make(Kind::ChooseFolder, {}, std::move(path)); }
    static DialogAct cancelFolder() { return make(Kind::CancelFolder); }
    static DialogAct wait(int milliseconds) { return make(Kind::Wait, {}, {}, milliseconds); }
    static DialogAct query(std::function<void(DialogView&)> callback) {
        DialogAct act = make(Kind::Inspect);
        act.inspect = std::move(callback);
        return act;
    }
    // Prints the dialog's state on the command line.
    static DialogAct show() { return make(Kind::Show); }
    // Prints the state of the windows with that title (or a text of that caption): a modeless
    // window, whether or not a dialog is up.
    static DialogAct showWindow(std::wstring title) { return make(Kind::Show, std::move(title)); }
    // Prints the host's status bar.
    static DialogAct status() { return make(Kind::Status); }
    // Clicks the close box of the windows with that title (or a text of that caption).
    static DialogAct closeWindow(std::wstring title) { return make(Kind::Close, std::move(title)); }
    // Acts on windows by title, the status bar and waiting serve at a prompt as well as in a dialog.
    bool anywhere() const {
        return kind == Kind::Status || kind == Kind::Wait || ((kind == Kind::Show || kind == Kind::Close) && !target.empty());
    }

    std::wstring describe() const;

private:
    static DialogAct on(Kind kind, int id, std::wstring text = {}, int number = 0) {
        return make(kind, std::to_wstring(id), std::move(text), number);
    }

public:
    static DialogAct make(Kind kind, std::wstring target = {}, std::wstring text = {}, int number = 0) {
        DialogAct act;
        act.kind = kind;
        act.target = std::move(target);
        act.text = std::move(text);
        act.number = number;
        return act;
    }
};

// Reads a dialog act of a user file ("click 1001", "keys 1001 abc" …); nullopt when the verb is
// not a dialog act; throws std::invalid_argument when its arguments are wrong.
std::optional<DialogAct> parseDialogAct(std::wstring_view verb, std::wstring_view rest);

// Performs an act on a dialog; a control that does not exist is an audit fault.
void performAct(WindowSystem& system, HWND dialog, const DialogAct& act);
// Performs an act that serves anywhere (anywhere() is true), wherever the user is.
void performAnywhere(WindowSystem& system, const DialogAct& act);

}  // namespace vexa::sim::win
