// List boxes and combo boxes (closed, showing their text), and the rows and arrows they share.
#include <algorithm>

#include "sim/pictures/control_painters.h"
#include "win/resource_styles.h"

namespace vexa::sim::pictures {

void paintRows(const PaintJob& job, const RECT& area, const std::vector<std::wstring>& rows, int selected, int rowHeight) {
    Canvas& canvas = job.canvas;
    TextStyle style = job.textStyle();
    style.mnemonic = false;
    // The first rows that fit: the simulated lists do not scroll.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int top = area.top + static_cast<int>(i) * rowHeight;
        if (top >= area.bottom) break;
        const RECT row{area.left, top, area.right, std::min<LONG>(top + rowHeight, area.bottom)};
        TextStyle rowStyle = style;
        if (static_cast<int>(i) == selected) {
            canvas.fill(row, job.enabled ? classic::selection : classic::face);
            if (job.enabled) rowStyle.colour = classic::selectionText;
        }
        rowStyle.middle = true;
        canvas.text({row.left + 2, row.top, row.right - 2, row.bottom}, rows[i], rowStyle);
        if (static_cast<int>(i) == selected && job.focused) canvas.dottedFocus(row);
    }
}

void paintArrowBox(Canvas& canvas, const RECT& r, bool down) {
    canvas.fill(r, classic::face);
    canvas.raised(r);
    // A solid triangle of four rows, point down (or up).
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2 - 1;
    for (int row = 0; row < 4; ++row) {
        const int half = down ? 3 - row : row;
        canvas.fill({cx - half, cy - 1 + row, cx + half + 1, cy + row}, classic::text);
    }
}

void paintListBox(const PaintJob& job) {
    Canvas& canvas = job.canvas;
    canvas.sunken(job.bounds);
    const RECT inner{2, 2, job.bounds.right - 2, job.bounds.bottom - 2};
    canvas.fill(inner, classic::window);
    if (!job.window.control) return;
    paintRows(job, inner, job.window.control->items(), job.window.control->selection(), canvas.lineHeight());
}

void paintComboBox(const PaintJob& job) {
    Canvas& canvas = job.canvas;
    // The template's height includes the drop-down list; a closed combo box shows only its field.
    const int height = std::min<LONG>(job.bounds.bottom, canvas.lineHeight() + 8);
    const RECT field{0, 0, job.bounds.right, height};
    canvas.sunken(field);
    const RECT inner{2, 2, field.right - 2, height - 2};
    const bool list = (job.window.style & 3) == CBS_DROPDOWNLIST;
    canvas.fill(inner, job.enabled ? classic::window : classic::face);
    const RECT button{inner.right - 16, inner.top, inner.right, inner.bottom};
    paintArrowBox(canvas, button, true);
    const RECT text{inner.left + 1, inner.top + 1, button.left - 1, inner.bottom - 1};
    TextStyle style = job.textStyle();
    style.mnemonic = false;
    style.middle = true;
    // A drop-down list with the focus shows its text selected.
    if (list && job.focused) {
        canvas.fill(text, classic::selection);
        style.colour = classic::selectionText;
        canvas.dottedFocus(text);
    }
    job.caption({text.left + 1, text.top, text.right - 1, text.bottom}, job.system.text(job.window.handle), style);
}

}  // namespace vexa::sim::pictures
