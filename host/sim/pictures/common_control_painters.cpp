// The common controls: list views in report view, tab controls, trackbars and progress bars.
#include <algorithm>

#include "sim/pictures/control_painters.h"
#include "sim/user/dialog_layout.h"
#include "win/commctrl.h"

namespace vexa::sim::pictures {

namespace {

constexpr int kHeaderHeight = 17;
constexpr int kRowHeight = 16;
constexpr int kTabHeight = 18;

std::wstring listViewText(const PaintJob& job, int row, int column) {
    wchar_t text[260] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 260;
    job.system.send(job.window.handle, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

}  // namespace

void paintListView(const PaintJob& job) {
    Canvas& canvas = job.canvas;
    canvas.sunken(job.bounds);
    const RECT inner{2, 2, job.bounds.right - 2, job.bounds.bottom - 2};
    canvas.fill(inner, classic::window);
    const auto columns = win::listViewColumns(job.system, job.window.handle);
    const bool header = (job.window.style & LVS_NOCOLUMNHEADER) == 0 && !columns.empty();
    TextStyle style = job.textStyle();
    style.mnemonic = false;
    style.middle = true;
    int x = inner.left;
    for (const auto& [text, width] : columns) {
        if (header) {
            const RECT cell{x, inner.top, x + width, inner.top + kHeaderHeight};
            canvas.fill(cell, classic::face);
            canvas.raised(cell);
            canvas.text({cell.left + 6, cell.top, cell.right - 4, cell.bottom}, text, style);
        }
        x += width;
    }
    const int rows = static_cast<int>(job.system.send(job.window.handle, LVM_GETITEMCOUNT, 0, 0));
    const int selected = job.window.control ? job.window.control->selection() : -1;
    const int top = inner.top + (header ? kHeaderHeight : 0);
    for (int row = 0; row < rows; ++row) {
        const int y = top + row * kRowHeight;
        if (y >= inner.bottom) break;
        TextStyle rowStyle = style;
        if (row == selected) {
            // The selection covers the label; with full-row select it would cover the row.
            const int width = columns.empty() ? inner.right - inner.left : columns.front().second;
            canvas.fill({inner.left, y, inner.left + width, y + kRowHeight}, job.focused ? classic::selection : classic::face);
            if (job.focused) rowStyle.colour = classic::selectionText;
        }
        int cellX = inner.left;
        for (std::size_t column = 0; column < std::max<std::size_t>(columns.size(), 1); ++column) {
            const int width = columns.empty() ? inner.right - inner.left : columns[column].second;
            const TextStyle& cellStyle = column == 0 ? rowStyle : style;
            canvas.text({cellX + 4, y, std::min<LONG>(cellX + width - 2, inner.right), std::min<LONG>(y + kRowHeight, inner.bottom)},
                        listViewText(job, row, static_cast<int>(column)), cellStyle);
            cellX += width;
        }
    }
}

void paintTabControl(const PaintJob& job) {
    Canvas& canvas = job.canvas;
    const RECT pane{0, kTabHeight, job.bounds.right, job.bounds.bottom};
    canvas.line(pane.left, pane.top, pane.right, pane.top, classic::highlight);
    canvas.line(pane.left, pane.top, pane.left, pane.bottom, classic::highlight);
    canvas.line(pane.right - 2, pane.top, pane.right - 2, pane.bottom - 1, classic::shadow);
    canvas.line(pane.right - 1, pane.top, pane.right - 1, pane.bottom, classic::darkShadow);
    canvas.line(pane.left + 1, pane.bottom - 2, pane.right - 1, pane.bottom - 2, classic::shadow);
    canvas.line(pane.left, pane.bottom - 1, pane.right, pane.bottom - 1, classic::darkShadow);
    if (!job.window.control) return;
    const auto tabs = job.window.control->items();
    const int selected = job.window.control->selection();
    TextStyle style = job.textStyle();
    style.align = TextStyle::Align::Centre;
    style.middle = true;
    int x = 2;
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        const int width = canvas.measure(tabs[i], style).cx + 12;
        const bool current = static_cast<int>(i) == selected;
        // The selected tab stands two pixels taller and wider, joined to the pane.
        const RECT tab = current ? RECT{x - 2, 0, x + width + 2, kTabHeight + 1} : RECT{x, 2, x + width, kTabHeight};
        canvas.fill(tab, classic::face);
        canvas.line(tab.left, tab.top + 2, tab.left, tab.bottom, classic::highlight);
        canvas.line(tab.left + 1, tab.top + 1, tab.left + 2, tab.top + 1, classic::highlight);
        canvas.line(tab.left + 2, tab.top, tab.right - 2, tab.top, classic::highlight);
        canvas.line(tab.right - 2, tab.top + 1, tab.right - 2, tab.bottom, classic::shadow);
        canvas.line(tab.right - 1, tab.top + 2, tab.right - 1, tab.bottom, classic::darkShadow);
        const RECT label{tab.left + 3, tab.top + 1, tab.right - 3, tab.bottom - 1};
        job.caption(label, tabs[i], style);
        if (current && job.focused) canvas.dottedFocus({label.left, label.top + 1, label.right, label.bottom - 1});
        x += width;
    }
}

void paintTrackbar(const PaintJob& job) {
    Canvas& canvas = job.canvas;
    const HWND self = job.window.handle;
    const auto low = static_cast<int>(job.system.send(self, TBM_GETRANGEMIN, 0, 0));
    const auto high = static_cast<int>(job.system.send(self, TBM_GETRANGEMAX, 0, 0));
    const auto position = static_cast<int>(job.system.send(self, TBM_GETPOS, 0, 0));
    const int width = job.bounds.right;
    // The channel runs between the thumb's half-widths, eight pixels from the top.
    const int left = 8;
    const int right = std::max(left + 1, width - 8);
    const RECT channel{left - 2, 8, right + 2, 12};
    canvas.sunken(channel);
    canvas.fill({channel.left + 2, channel.top + 2, channel.right - 2, channel.bottom - 2}, classic::window);
    auto at = [&](int value) { return high > low ? left + static_cast<int>(static_cast<long long>(value - low) * (right - left) / (high - low)) : left; };
    if ((job.window.style & TBS_NOTICKS) == 0) {
        const int frequency = (job.window.style & TBS_AUTOTICKS) ? 1 : std::max(1, high - low);
        const int step = std::max(1, frequency * std::max(1, (high - low) / 100));
        for (int value = low; value <= high; value += step) canvas.line(at(value), 24, at(value), 27, classic::text);
        canvas.line(at(high), 24, at(high), 27, classic::text);
    }
    const int thumb = at(position);
    const RECT handle{thumb - 5, 0, thumb + 6, 21};
    canvas.fill(handle, classic::face);
    canvas.raised(handle);
    if (job.focused) canvas.dottedFocus(job.bounds);
}

void paintProgress(const PaintJob& job) {
    Canvas& canvas = job.canvas;
    const HWND self = job.window.handle;
    PBRANGE range{};
    job.system.send(self, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
    const auto position = static_cast<int>(job.system.send(self, PBM_GETPOS, 0, 0));
    canvas.sunken(job.bounds);
    const RECT inner{2, 2, job.bounds.right - 2, job.bounds.bottom - 2};
    const int span = range.iHigh - range.iLow;
    const int filled = span > 0 ? static_cast<int>(static_cast<long long>(position - range.iLow) * (inner.right - inner.left) / span) : 0;
    // Classic progress bars fill in blocks two thirds of the bar's height wide, two pixels apart.
    const int block = std::max(2, (inner.bottom - inner.top) * 2 / 3);
    for (int x = inner.left; x < inner.left + filled; x += block + 2) {
        canvas.fill({x, inner.top, std::min<LONG>(x + block, inner.left + filled), inner.bottom}, classic::selection);
    }
}

}  // namespace vexa::sim::pictures
