// The interactive selection prompt: picks, implied windows, the Window, Crossing, Fence,
// WPolygon, CPolygon, ALL, Last, Previous, Add and Remove options, the caller's keywords and
// other input through the callbacks, Enter, ESC and a right click.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sim/editor/editor.h"
#include "sim/editor/selection_scope.h"

namespace vexa::sim::editor {

struct PromptSetup {
    std::wstring selectPrompt = L"Select objects: ";
    std::wstring removePrompt = L"Remove objects: ";
    bool single = false;
    bool everything = false;
    // Local keywords with their global names; empty unless :K gave a keyword string.
    std::vector<std::pair<std::wstring, std::wstring>> keywords;
    bool otherInput = false;
};

// "Item Element _ 1 2": the words before the "_" are local, those after global.
std::vector<std::pair<std::wstring, std::wstring>> readKeywords(std::wstring_view text);
// The global name of the keyword the typed word stands for: the word itself or an abbreviation
// that keeps at least the keyword's leading capitals.
std::optional<std::wstring> matchKeyword(const std::vector<std::pair<std::wstring, std::wstring>>& keywords,
                                         std::wstring_view typed);

class SelectionPrompt {
public:
    SelectionPrompt(Editor& editor, const SelectionScope& scope, PromptSetup setup, const std::vector<db::ObjectId>& previous);

    // RTNORM with the objects in `chosen`; RTCAN; RTERROR with ERRNO 52 when ended with nothing.
    int run(std::vector<db::ObjectId>& chosen);

private:
    enum class Gathering { None, OppositeCorner, FirstCorner, Fence, WPolygon, CPolygon };

    std::optional<int> point(db::Point2 world);
    std::optional<int> enter();
    std::optional<int> word(const std::wstring& text);
    // Whether the word is one of the host's options; a finished selection sets `status`.
    bool option(const std::wstring& upper, std::optional<int>& status);
    std::optional<int> callBack(AcedSSCallbackFn callback, const std::wstring& text);
    std::optional<int> found(std::vector<db::ObjectId> objects);
    int finish();
    bool rightClickIsEnter() const;
    void ask(const std::wstring& prompt);
    void askAgain();

    Editor& editor_;
    const SelectionScope& scope_;
    PromptSetup setup_;
    const std::vector<db::ObjectId>& previous_;
    std::vector<db::ObjectId> chosen_;
    bool removing_ = false;
    Gathering gathering_ = Gathering::None;
    bool implied_ = false;   // a window opened by a pick on nothing
    bool crossing_ = false;  // a window asked for by the Crossing option
    std::vector<db::Point2> points_;
    std::wstring typed_;
    std::wstring prompt_;
};

}  // namespace vexa::sim::editor
