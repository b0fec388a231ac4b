// What the scripted user answers at the host's prompts, in order.
#pragma once

#include <deque>
#include <string>

namespace vexa::sim {

struct PromptAnswer {
    enum class Kind { Text, Enter, Escape };
    Kind kind;
    std::wstring text;

    static PromptAnswer typed(std::wstring text) { return {Kind::Text, std::move(text)}; }
    static PromptAnswer enter() { return {Kind::Enter, {}}; }
    static PromptAnswer escape() { return {Kind::Escape, {}}; }
};

class UserInput {
public:
    void queue(PromptAnswer answer) { answers_.push_back(std::move(answer)); }
    void queueFront(PromptAnswer answer) { answers_.push_front(std::move(answer)); }
    bool empty() const { return answers_.empty(); }
    std::size_t size() const { return answers_.size(); }
    PromptAnswer take() {
        PromptAnswer answer = std::move(answers_.front());
        answers_.pop_front();
        return answer;
    }
    void clear() { answers_.clear(); }

private:
    std::deque<PromptAnswer> answers_;
};

}  // namespace vexa::sim
