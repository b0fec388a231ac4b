#include "sim/editor/selection_prompt.h"

#include <algorithm>
#include <cwctype>
#include <sstream>

#include "sim/host.h"

namespace vexa::sim::editor {

namespace {

constexpr wchar_t kInvalidSelection[] =
    L"\n*Invalid selection*\nExpects a point or\nWindow/Last/Crossing/ALL/Fence/WPolygon/CPolygon/Add/Remove/Previous";

std::vector<std::wstring> wordsOf(std::wstring_view text) {
    std::wistringstream stream{std::wstring(text)};
    std::vector<std::wstring> words;
    for (std::wstring word; stream >> word;) words.push_back(word);
    return words;
}

// "10,20" or "10,20,0" as a typed point.
std::optional<db::Point2> typedPoint(const std::wstring& text) {
    std::wistringstream stream(text);
    double x = 0.0;
    double y = 0.0;
    wchar_t comma = 0;
    if (!(stream >> x >> comma) || comma != L',' || !(stream >> y)) return std::nullopt;
    if (stream >> comma) {
        double z = 0.0;
        if (comma != L',' || !(stream >> z)) return std::nullopt;
    }
    if (!(stream >> std::ws).eof()) return std::nullopt;
    return db::Point2{x, y};
}

}  // namespace

std::vector<std::pair<std::wstring, std::wstring>> readKeywords(std::wstring_view text) {
    const std::vector<std::wstring> words = wordsOf(text);
    const auto split = std::find(words.begin(), words.end(), L"_");
    std::vector<std::pair<std::wstring, std::wstring>> keywords;
    for (auto it = words.begin(); it != split; ++it) {
        const auto index = it - words.begin();
        const bool hasGlobal = split != words.end() && index < words.end() - split - 1;
        keywords.emplace_back(*it, hasGlobal ? *(split + 1 + index) : *it);
    }
    return keywords;
}

std::optional<std::wstring> matchKeyword(const std::vector<std::pair<std::wstring, std::wstring>>& keywords,
                                         std::wstring_view typed) {
    const std::wstring upperTyped = upperCase(typed);
    for (const auto& [local, global] : keywords) {
        const auto lower = std::find_if(local.begin(), local.end(), [](wchar_t c) { return std::iswlower(static_cast<wint_t>(c)); });
        const std::size_t required = lower == local.end() || lower == local.begin() ? local.size() : static_cast<std::size_t>(lower - local.begin());
        const std::wstring upperLocal = upperCase(local);
        if (upperTyped.size() >= required && upperLocal.starts_with(upperTyped) && !upperTyped.empty()) return global;
    }
    return std::nullopt;
}

SelectionPrompt::SelectionPrompt(Editor& editor, const SelectionScope& scope, PromptSetup setup,
                                 const std::vector<db::ObjectId>& previous)
    : editor_(editor), scope_(scope), setup_(std::move(setup)), previous_(previous) {}

int SelectionPrompt::run(std::vector<db::ObjectId>& chosen) {
    askAgain();
    std::optional<int> status;
    while (!status) {
        const EditorInput input = editor_.nextInput(prompt_);
        switch (input.kind) {
        case EditorInput::Kind::Abandoned:
        case EditorInput::Kind::Escape:
            editor_.host().commandLine().print(L"*Cancel*\n");
            status = RTCAN;
            break;
        case EditorInput::Kind::Backspace:
            if (!typed_.empty()) typed_.pop_back();
            break;
        case EditorInput::Kind::Character: typed_ += input.character; break;
        case EditorInput::Kind::RightClick:
            if (rightClickIsEnter()) status = enter();
            break;
        case EditorInput::Kind::Enter: status = enter(); break;
        case EditorInput::Kind::Pick: status = point(input.world); break;
        }
    }
    if (*status != RTCAN) editor_.host().commandLine().print(L"\n");
    chosen = std::move(chosen_);
    return *status;
}

// Without a shortcut menu due at this prompt, the host takes a right click as Enter.
bool SelectionPrompt::rightClickIsEnter() const {
    const auto value = editor_.host().variable(L"SHORTCUTMENU");
    const int bits = value && std::holds_alternative<int>(*value) ? std::get<int>(*value) : 0;
    const bool menu = (bits & 4) != 0 || ((bits & 8) != 0 && !setup_.keywords.empty());
    return !menu;
}

void SelectionPrompt::ask(const std::wstring& prompt) {
    prompt_ = prompt;
    editor_.host().commandLine().print(L"\n" + prompt);
}

void SelectionPrompt::askAgain() { ask(removing_ ? setup_.removePrompt : setup_.selectPrompt); }

std::optional<int> SelectionPrompt::point(db::Point2 world) {
    switch (gathering_) {
    case Gathering::None: {
        std::vector<db::ObjectId> picked = scope_.near(world, editor_.pickReach(), setup_.everything);
        if (!picked.empty()) return found(std::move(picked));
        // A pick on nothing opens a window: dragged to the right it takes what lies inside,
        // to the left what it crosses.
        implied_ = true;
        points_ = {world};
        gathering_ = Gathering::OppositeCorner;
        ask(L"Specify opposite corner: ");
        return std::nullopt;
    }
    case Gathering::FirstCorner:
        points_ = {world};
        gathering_ = Gathering::OppositeCorner;
        ask(L"Specify opposite corner: ");
        return std::nullopt;
    case Gathering::OppositeCorner: {
        gathering_ = Gathering::None;
        const bool crossing = implied_ ? world.x < points_.front().x : crossing_;
        return found(scope_.window(db::Box::around(points_.front(), world), crossing));
    }
    case Gathering::Fence:
    case Gathering::WPolygon:
    case Gathering::CPolygon:
        points_.push_back(world);
        ask(gathering_ == Gathering::Fence ? L"Specify next fence point or [Undo]: " : L"Specify endpoint of line or [Undo]: ");
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<int> SelectionPrompt::enter() {
    CommandLine& line = editor_.host().commandLine();
    if (!typed_.empty()) {
        const std::wstring text = std::exchange(typed_, {});
        line.print(text);
        return word(text);
    }
    switch (gathering_) {
    case Gathering::None: return finish();
    case Gathering::FirstCorner:
    case Gathering::OppositeCorner:
        // Enter instead of a corner drops the window.
        gathering_ = Gathering::None;
        askAgain();
        return std::nullopt;
    case Gathering::Fence: gathering_ = Gathering::None; return found(scope_.fence(points_));
    case Gathering::WPolygon: gathering_ = Gathering::None; return found(scope_.polygon(points_, false));
    case Gathering::CPolygon: gathering_ = Gathering::None; return found(scope_.polygon(points_, true));
    }
    return std::nullopt;
}

std::optional<int> SelectionPrompt::word(const std::wstring& text) {
    // A transparent command runs inside the prompt, which then asks again.
    if (text.size() > 1 && text.front() == L'\'') {
        editor_.host().commandLine().print(L"\n");
        editor_.host().runCommand(std::wstring_view(text).substr(1));
        ask(prompt_);
        return std::nullopt;
    }
    if (const std::optional<db::Point2> typed = typedPoint(text)) return point(*typed);
    const std::wstring upper = upperCase(text);
    const bool gatheringPoints = gathering_ == Gathering::Fence || gathering_ == Gathering::WPolygon || gathering_ == Gathering::CPolygon;
    if (gatheringPoints && (upper == L"U" || upper == L"UNDO")) {
        if (points_.size() > 1) points_.pop_back();
        ask(prompt_);
        return std::nullopt;
    }
    if (gathering_ != Gathering::None) {
        editor_.host().commandLine().print(L"\nInvalid point.");
        ask(prompt_);
        return std::nullopt;
    }
    // The host's own options come before the caller's keywords.
    if (std::optional<int> status; option(upper, status)) return status;
    if (const std::optional<std::wstring> keyword = matchKeyword(setup_.keywords, text); keyword && editor_.keywordCallback) {
        return callBack(editor_.keywordCallback, *keyword);
    }
    if (setup_.otherInput && editor_.otherCallback) return callBack(editor_.otherCallback, text);
    editor_.host().commandLine().print(kInvalidSelection);
    askAgain();
    return std::nullopt;
}

bool SelectionPrompt::option(const std::wstring& upper, std::optional<int>& status) {
    auto startPoints = [&](Gathering gathering, const wchar_t* prompt) {
        gathering_ = gathering;
        points_.clear();
        ask(prompt);
    };
    if (upper == L"W" || upper == L"WINDOW" || upper == L"C" || upper == L"CROSSING") {
        implied_ = false;
        crossing_ = upper.front() == L'C';
        startPoints(Gathering::FirstCorner, L"Specify first corner: ");
    } else if (upper == L"F" || upper == L"FENCE") {
        startPoints(Gathering::Fence, L"Specify first fence point: ");
    } else if (upper == L"WP" || upper == L"WPOLYGON") {
        startPoints(Gathering::WPolygon, L"First polygon point: ");
    } else if (upper == L"CP" || upper == L"CPOLYGON") {
        startPoints(Gathering::CPolygon, L"First polygon point: ");
    } else if (upper == L"ALL") {
        status = found(scope_.all());
    } else if (upper == L"L" || upper == L"LAST") {
        status = found(scope_.last());
    } else if (upper == L"P" || upper == L"PREVIOUS") {
        status = found(scope_.among(previous_));
    } else if (upper == L"R" || upper == L"REMOVE" || upper == L"A" || upper == L"ADD") {
        removing_ = upper.front() == L'R';
        askAgain();
    } else {
        return false;
    }
    return true;
}

std::optional<int> SelectionPrompt::callBack(AcedSSCallbackFn callback, const std::wstring& text) {
    resbuf* answer = callback(text.c_str());
    // The host takes the answer: a selection set in it joins the selection.
    std::vector<db::ObjectId> added;
    for (const resbuf* node = answer; node != nullptr; node = node->rbnext) {
        if (node->restype != RTPICKS) continue;
        if (const std::vector<db::ObjectId>* members = editor_.selectionSets().find(node->resval.rlname)) {
            added.insert(added.end(), members->begin(), members->end());
        }
    }
    editor_.host().resbufs().releasePluginChain(answer);
    if (!added.empty()) return found(std::move(added));
    askAgain();
    return std::nullopt;
}

std::optional<int> SelectionPrompt::found(std::vector<db::ObjectId> objects) {
    std::size_t changed = 0;
    for (db::ObjectId id : objects) {
        const auto at = std::find(chosen_.begin(), chosen_.end(), id);
        if (removing_ && at != chosen_.end()) {
            chosen_.erase(at);
            ++changed;
        } else if (!removing_ && at == chosen_.end()) {
            chosen_.push_back(id);
            ++changed;
        }
    }
    editor_.host().commandLine().print(L"\n" + std::to_wstring(objects.size()) + L" found" +
                                       (removing_ ? L", " + std::to_wstring(changed) + L" removed" : std::wstring()));
    if (setup_.single && !chosen_.empty()) return finish();
    askAgain();
    return std::nullopt;
}

int SelectionPrompt::finish() { return chosen_.empty() ? editor_.fail(kNullResponse) : RTNORM; }

}  // namespace vexa::sim::editor
