// The usage texts the support library's functions print when called without their arguments.
#pragma once

#include <string>
#include <vector>

namespace vexa::kito {

using UsageText = std::vector<std::wstring>;

const UsageText& disableEscUsage();
const UsageText& grReadUsage();
const UsageText& msgboxUsage();
const UsageText& pixelToWorldUsage();
const UsageText& worldToPixelUsage();

// Each line by its own acutPrintf call, after a newline.
void printUsage(const UsageText& lines);

}  // namespace vexa::kito
