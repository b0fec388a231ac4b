#include "ordo/views/views_error_report.h"

#include <algorithm>

#include "frame/lisp_items.h"

namespace vexa::ordo {

std::optional<ViewsErrorReport> readViewsErrorReport(const resbuf* args) {
    if (args == nullptr) return std::nullopt;
    const frame::CodedArguments read = frame::readCodedArguments(args, kViewsErrorReportCaptionSlots);
    ViewsErrorReport report;
    for (const frame::CodedOption& option : read.options) {
        int* field = option.code == 1    ? &report.freeNodes
                     : option.code == 2  ? &report.nonProjected
                     : option.code == 10 ? &report.continueMode
                                         : nullptr;
        if (field != nullptr) *field = option.value.integer().value_or(static_cast<short>(*field));
    }
    if (read.captions) std::copy(read.captions->begin(), read.captions->end(), report.captions.begin());
    return report;
}

ReportDisplay reportDisplay(const ViewsErrorReport& report) {
    ReportDisplay display;
    display.freeNodeRow = report.freeNodes >= 0;
    display.nonProjectedRow = report.nonProjected >= 0;
    display.freeNodes = std::max(report.freeNodes, 0);
    display.nonProjected = std::max(report.nonProjected, 0);
    display.total = static_cast<unsigned>(display.freeNodes) + static_cast<unsigned>(display.nonProjected);
    display.asksToContinue = report.continueMode >= 0;
    return display;
}

std::wstring errorCountText(std::wstring_view caption, unsigned total) {
    return std::wstring(caption) + L"  " + std::to_wstring(total);
}

}  // namespace vexa::ordo
