// What every painter shares: the control's text style, the caption-fit record, the dispatch by class.
#include "sim/pictures/control_painters.h"

namespace vexa::sim::pictures {

TextStyle PaintJob::textStyle() const {
    TextStyle style;
    style.colour = enabled ? classic::text : classic::grayText;
    return style;
}

void PaintJob::caption(const RECT& r, const std::wstring& text, const TextStyle& style) const {
    if (!canvas.text(r, text, style)) clipped.push_back({window.id, text});
}

bool paintControl(const PaintJob& job) {
    const std::wstring name = win::foldCase(job.window.className);
    if (name == L"BUTTON") paintButton(job);
    else if (name == L"STATIC") paintStatic(job);
    else if (name == L"EDIT") paintEdit(job);
    else if (name == L"LISTBOX") paintListBox(job);
    else if (name == L"COMBOBOX") paintComboBox(job);
    else if (name == L"SYSLISTVIEW32") paintListView(job);
    else if (name == L"SYSTABCONTROL32") paintTabControl(job);
    else if (name == L"MSCTLS_TRACKBAR32") paintTrackbar(job);
    else if (name == L"MSCTLS_PROGRESS32") paintProgress(job);
    else return false;
    return true;
}

}  // namespace vexa::sim::pictures
