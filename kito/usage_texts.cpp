#include "kito/usage_texts.h"

#include "acad/aced.h"

namespace vexa::kito {

void printUsage(const UsageText& lines) {
    for (const std::wstring& line : lines) acutPrintf(L"\n%s", line.c_str());
}

}  // namespace vexa::kito
