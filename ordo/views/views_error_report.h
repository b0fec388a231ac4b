// Arguments of "Vexa-dxVBKchkMsg", the views error report, and what its dialog shows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "acad/adscodes.h"

namespace vexa::ordo {

inline constexpr std::size_t kViewsErrorReportCaptionSlots = 16;

// A negative count means that kind of fault was not checked. A negative continue mode only
// reports; it also stands in when the caller leaves the mode out.
struct ViewsErrorReport {
    int freeNodes = -1;
    int nonProjected = -1;
    int continueMode = -1;
    std::vector<std::wstring> captions = std::vector<std::wstring>(kViewsErrorReportCaptionSlots);
};

// Code 1 free nodes, 2 non-projected objects, 10 continue mode. Nothing without arguments.
std::optional<ViewsErrorReport> readViewsErrorReport(const resbuf* args);

// The report as shown: counts of unchecked faults become 0 and their rows are disabled.
struct ReportDisplay {
    unsigned total = 0;
    int freeNodes = 0;
    int nonProjected = 0;
    bool freeNodeRow = false;
    bool nonProjectedRow = false;
    bool asksToContinue = false;
};

ReportDisplay reportDisplay(const ViewsErrorReport& report);

// The label of the number of errors: the caption, two spaces and the total.
std::wstring errorCountText(std::wstring_view caption, unsigned total);

}  // namespace vexa::ordo
