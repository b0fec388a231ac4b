#include "kito/function_table.h"

#include "kito/download/download_functions.h"
#include "kito/keyboard/keyboard_functions.h"
#include "kito/message_boxes/message_box_functions.h"
#include "kito/selection/selection_functions.h"
#include "kito/settings/settings_function.h"

namespace vexa::kito {

namespace {

using frame::answerNil;

constexpr frame::LispFunction table[] = {
    {L"Vexa-welcome", answerNil},
    {L"Vexa-about", answerNil},
    {L"Vexa-msgbox", msgbox},
    {L"Vexa-disableESC", disableEsc},
    {L"Vexa-readKB", readKeyboard},
    {L"Vexa-grRead", grRead},
    {L"Vexa-Progress", answerNil},
    {L"Vexa-HintDlg", answerNil},
    {L"Vexa-HtmlDlg", answerNil},
    {L"Vexa-SSGet", ssGet},
    {L"Vexa-ssgetRec", ssGetRecord},
    {L"Vexa-SSSGet", singleSsGet},
    {L"Vexa-OSType", answerNil},
    {L"Vexa-Running", answerNil},
    {L"Vexa-VideoHelp", answerNil},
    {L"Vexa-msgbox2", msgbox2},
    {L"Vexa-GetRemoteFile", getRemoteFile},
    {L"Vexa-PixelToWorld", answerNil},
    {L"Vexa-WorldToPixel", answerNil},
    {L"Vexa-dvpOn", answerNil},
    {L"Vexa-dvpOff", answerNil},
    {L"Vexa-mainSettings", mainSettings},
};

}  // namespace

std::span<const frame::LispFunction> functionTable() { return table; }

}  // namespace vexa::kito
