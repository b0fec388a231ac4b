#include "kito/usage_texts.h"

namespace vexa::kito {

const UsageText& disableEscUsage() {
    static const UsageText lines = {
        L";; (Vexa-disableESC mode)",
        L";;  ex. (Vexa-disableESC 1)",
        L";;      mode 1:",
        L";;         Disable [ESC] key in AutoCAD except dialogues.",
        L";;      mode 2:",
        L";;         Disable [ESC] key in AutoCAD including dialogues.",
        L";;      mode 3:",
        L";;         Disable [ESC] key in AutoCAD including dialogues and block Vlide to peek",
        L";;         the [ESC] message.",
        L";;      mode 4:",
        L";;         Disable [ESC] key in Windows.",
        L";;      mode 5:",
        L";;         Just watch if [ESC] was hit.",
        L";;      mode 0:",
        L";;         Recover the original function of [ESC] key.",
        L";;      mode -1:",
        L";;         Return the current mode.",
        L";;      mode -2:",
        L";;         Clean buffer for Vexa-readKB using.",
    };
    return lines;
}

const UsageText& grReadUsage() {
    static const UsageText lines = {
        L";; (Vexa-grRead mode)", L";;      mode 0:", L";;         Stop.",
        L";;      mode 1:",       L";;         Start or clean buffer.",
        L";;      mode 2:",       L";;         Get the last pMsg.",
    };
    return lines;
}

}  // namespace vexa::kito
