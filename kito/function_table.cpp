#include "kito/function_table.h"

namespace vexa::kito {

namespace {

using frame::answerNil;

constexpr frame::LispFunction table[] = {
    {L"Vexa-welcome", answerNil},
    {L"Vexa-about", answerNil},
    {L"Vexa-msgbox", answerNil},
    {L"Vexa-disableESC", answerNil},
    {L"Vexa-readKB", answerNil},
    {L"Vexa-grRead", answerNil},
    {L"Vexa-Progress", answerNil},
    {L"Vexa-HintDlg", answerNil},
    {L"Vexa-HtmlDlg", answerNil},
    {L"Vexa-SSGet", answerNil},
    {L"Vexa-ssgetRec", answerNil},
    {L"Vexa-SSSGet", answerNil},
    {L"Vexa-OSType", answerNil},
    {L"Vexa-Running", answerNil},
    {L"Vexa-VideoHelp", answerNil},
    {L"Vexa-msgbox2", answerNil},
    {L"Vexa-GetRemoteFile", answerNil},
    {L"Vexa-PixelToWorld", answerNil},
    {L"Vexa-WorldToPixel", answerNil},
    {L"Vexa-dvpOn", answerNil},
    {L"Vexa-dvpOff", answerNil},
    {L"Vexa-mainSettings", answerNil},
};

}  // namespace

std::span<const frame::LispFunction> functionTable() { return table; }

}  // namespace vexa::kito
