// What the scripted user does, in order: answers at the host's prompts and acts in dialogs,
// in one queue (Enter and ESC serve both: at a dialog they press the keys in the dialog).
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <variant>

#include "sim/user/dialog_act.h"

namespace vexa::sim {

class Host;

// Where the user clicks in the drawing view: a world point shown in a viewport, or a client pixel
// of the view. Viewport 0 is the current one.
struct ViewPosition {
    bool pixel = false;
    double x = 0.0;
    double y = 0.0;
    int viewport = 0;
};

struct PromptAnswer {
    // Pick, RightClick and Key are acts with the mouse and keyboard in the drawing; Text, Enter
    // and ESC at a selection prompt are typed as keys too.
    // Move, Graphics and CursorPlace are the cursor's: a move over the drawing (the monitors see
    // it), printing what the monitors showed at the last move, and printing where the cursor is.
    // Window acts (sim/user/window_acts.h) happen whenever the host next looks for input, at a
    // prompt, in a dialog or in a function that reads the message queue; text is their line.
    enum class Kind { Text, Enter, Escape, Pick, RightClick, Key, Move, Graphics, CursorPlace, Window };
    Kind kind;
    std::wstring text;
    ViewPosition position{};
    int virtualKey = 0;
    bool control = false;
    // A pick with Shift held, or with the middle button instead of the left.
    bool shift = false;
    bool middle = false;
    std::function<void(Host&)> windowAct{};

    static PromptAnswer typed(std::wstring text) { return {Kind::Text, std::move(text)}; }
    static PromptAnswer enter() { return {Kind::Enter, {}}; }
    static PromptAnswer escape() { return {Kind::Escape, {}}; }
    static PromptAnswer pick(ViewPosition position) { return {Kind::Pick, {}, position}; }
    static PromptAnswer rightClick() { return {Kind::RightClick, {}}; }
    static PromptAnswer key(int virtualKey, bool control = false) { return {Kind::Key, {}, {}, virtualKey, control}; }
    static PromptAnswer move(ViewPosition position) { return {Kind::Move, {}, position}; }
    static PromptAnswer graphics() { return {Kind::Graphics, {}}; }
    static PromptAnswer cursorPlace() { return {Kind::CursorPlace, {}}; }
    static PromptAnswer window(std::wstring line, std::function<void(Host&)> act) {
        PromptAnswer answer{Kind::Window, std::move(line)};
        answer.windowAct = std::move(act);
        return answer;
    }
};

class UserInput {
public:
    using DialogAct = win::DialogAct;
    // What waits for the user when the queue has run dry.
    enum class Waiting { Prompt, Dialog };
    using Responder = std::function<void(Waiting waiting, HWND dialog)>;

    // A stand-in user (a fuzzer's) that queues acts whenever something waits and nothing is queued.
    void setResponder(Responder responder) { responder_ = std::move(responder); }
    // Whatever waits calls this before it looks at the queue.
    void refill(Waiting waiting, HWND dialog = nullptr) {
        if (answers_.empty() && responder_) responder_(waiting, dialog);
    }

    void queue(PromptAnswer answer) { answers_.push_back(std::move(answer)); }
    void queue(DialogAct act) { answers_.push_back(std::move(act)); }
    void queueFront(PromptAnswer answer) { answers_.push_front(std::move(answer)); }
    bool empty() const { return answers_.empty(); }
    std::size_t size() const { return answers_.size(); }
    bool nextIsDialogAct() const { return !answers_.empty() && std::holds_alternative<DialogAct>(answers_.front()); }
    bool nextIsPromptAnswer() const { return !answers_.empty() && std::holds_alternative<PromptAnswer>(answers_.front()); }
    const PromptAnswer& nextPromptAnswer() const { return std::get<PromptAnswer>(answers_.front()); }
    const DialogAct& nextDialogAct() const { return std::get<DialogAct>(answers_.front()); }
    // Whether the next act serves at a prompt too (`show TITLE`, `close TITLE`, `status`, `wait`).
    bool nextServesAnywhere() const { return nextIsDialogAct() && std::get<DialogAct>(answers_.front()).anywhere(); }
    // The next act as a user file would name it, for audit messages.
    std::wstring describeNext() const;
    // Precondition: the next act is a prompt answer.
    PromptAnswer take() {
        PromptAnswer answer = std::move(std::get<PromptAnswer>(answers_.front()));
        answers_.pop_front();
        return answer;
    }
    // Precondition: the next act is a dialog act.
    DialogAct takeDialogAct() {
        DialogAct act = std::move(std::get<DialogAct>(answers_.front()));
        answers_.pop_front();
        return act;
    }
    void clear() { answers_.clear(); }

private:
    std::deque<std::variant<PromptAnswer, DialogAct>> answers_;
    Responder responder_;
};

}  // namespace vexa::sim
