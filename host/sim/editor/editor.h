// The host's editor: the drawing view with its tiled viewports, the selection sets, and the
// selection prompt, which takes the user's clicks and keys from the host's own message loop.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "acad/acedsel.h"
#include "sim/editor/selection_sets.h"
#include "sim/editor/viewports.h"
#include "sim/user/user_input.h"
#include "win/afxwin.h"

namespace vexa::sim {
class Host;
}

namespace vexa::sim::editor {

class SelectionScope;
struct SelectionMode;

// ERRNO values of a selection that took nothing.
constexpr int kNullResponse = 52;
constexpr int kFailedPick = 7;

// What reached a waiting prompt from the keyboard and the mouse.
struct EditorInput {
    // Abandoned: the user had nothing more to do (an audit fault); the prompt ends as ESC would.
    enum class Kind { Pick, RightClick, Enter, Escape, Backspace, Character, Abandoned };
    Kind kind;
    db::Point2 world{};
    wchar_t character = 0;
};

// One acedSSGet call as the host read its arguments, for tests and the transcript.
struct SelectionCall {
    std::wstring mode;
    std::wstring first;   // "none", "point (x y z)", "points N", "prompts \"select\" \"remove\""
    std::wstring second;  // "none", "point (x y z)", "keywords \"…\""
    bool filter = false;
};

class Editor {
public:
    explicit Editor(Host& host);
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    Host& host() { return host_; }
    HWND view() const { return view_.m_hWnd; }
    CView* viewObject() { return &view_; }
    Viewports& viewports() { return viewports_; }
    SelectionSets& selectionSets() { return sets_; }

    // The viewport CVPORT names; null when it names none of the tiled ones.
    const Viewport* currentViewport() const;
    bool setCurrentViewport(int number);
    // Shows model space (TILEMODE 1) or the layout (TILEMODE 0): the layout opens in paper space
    // (CVPORT 1), model space in the tiled viewport that was current there.
    void showLayout(bool layout);

    AcedSSCallbackFn keywordCallback = nullptr;
    AcedSSCallbackFn otherCallback = nullptr;

    // acedSSGet.
    int select(const ACHAR* mode, const void* pt1, const void* pt2, const resbuf* filter, ads_name set);
    const std::vector<SelectionCall>& selectionCalls() const { return calls_; }
    // acedEntSel and acedNEntSel: a nested pick answers an attribute of a block reference itself.
    int pickEntity(const ACHAR* prompt, bool nested, ads_name entity, ads_point point);

    // The next input of a waiting prompt: what the message loop brings, else the user's next act.
    EditorInput nextInput(std::wstring_view prompt);
    // Clicks as the act says, through the host's loop: the world point, or nothing when the click
    // only made another viewport current or fell outside every viewport.
    std::optional<db::Point2> pointOfClick(const PromptAnswer& act);
    // Where on the screen a click at the position lands.
    POINT screenPoint(const ViewPosition& position) const;
    // The reach of a pick in world units: the pick box in the current viewport.
    double pickReach() const;
    // RTERROR, with ERRNO set to tell why.
    int fail(int errorNumber);

private:
    static LRESULT CALLBACK viewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK frameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void keyPressed(WPARAM key);
    void clicked(UINT message, POINT pixel);
    void perform(const PromptAnswer& act);
    void typeText(const std::wstring& text);
    int gather(const SelectionMode& mode, const void* pt1, const void* pt2, const SelectionScope& scope,
               std::vector<db::ObjectId>& chosen);

    Host& host_;
    CView view_;
    WNDPROC frameDefault_ = nullptr;
    Viewports viewports_;
    int modelViewport_ = 2;
    SelectionSets sets_;
    std::vector<db::ObjectId> previous_;
    std::deque<EditorInput> pending_;
    bool listening_ = false;
    std::vector<SelectionCall> calls_;
};

}  // namespace vexa::sim::editor
