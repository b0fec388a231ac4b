// The host selection call of "Vexa-SSGet", shaped by its mode: two corner points, a point
// list, prompts, keywords or a single point, and the filter in every case.
#pragma once

#include <string>

#include "acad/adscodes.h"
#include "frame/resbuf_chain.h"

namespace vexa::kito {

class SsGetCall {
public:
    // Reads (mode arg2 arg3 filter); arguments of unexpected types are skipped.
    explicit SsGetCall(const resbuf* args);

    // acedSSGet with the arguments read.
    int run(ads_name set) const;

private:
    std::wstring mode_;
    bool hasFirst_ = false;
    bool hasSecond_ = false;
    ads_point first_{0.0, 0.0, 0.0};
    ads_point second_{0.0, 0.0, 0.0};
    frame::ResbufChain points_;
    bool hasPrompt_ = false;
    std::wstring prompt_;
    bool hasKeywords_ = false;
    std::wstring keywords_;
    frame::ResbufChain filter_;
};

// The keyword string the host takes: the same words as local and global keywords.
std::wstring keywordString(const std::wstring& words);

}  // namespace vexa::kito
