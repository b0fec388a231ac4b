#include "kito/usage_texts.h"

namespace vexa::kito {

const UsageText& pixelToWorldUsage() {
    static const UsageText lines = {L";; (Vexa-PixelToWorld pt viewportNum)",
                                    L";; (Vexa-PixelToWorld pt) for current active viewport"};
    return lines;
}

const UsageText& worldToPixelUsage() {
    static const UsageText lines = {L";; (Vexa-WorldToPixel pt viewportNum)",
                                    L";; (Vexa-WorldToPixel pt) for current active viewport"};
    return lines;
}

}  // namespace vexa::kito
