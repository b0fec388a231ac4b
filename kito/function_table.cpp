#include "kito/function_table.h"

#include "kito/download/download_functions.h"
#include "kito/info_dialogs/info_dialog_functions.h"
#include "kito/keyboard/keyboard_functions.h"
#include "kito/message_boxes/message_box_functions.h"
#include "kito/progress/progress_functions.h"
#include "kito/selection/selection_functions.h"
#include "kito/settings/settings_function.h"
#include "kito/viewports/viewport_functions.h"

namespace vexa::kito {

namespace {

using frame::answerNil;

constexpr frame::LispFunction table[] = {
    {L"Vexa-welcome", welcome},
    {L"Vexa-about", about},
    {L"Vexa-msgbox", msgbox},
    {L"Vexa-disableESC", disableEsc},
    {L"Vexa-readKB", readKeyboard},
    {L"Vexa-grRead", grRead},
    {L"Vexa-Progress", progress},
    {L"Vexa-HintDlg", hintDlg},
    {L"Vexa-HtmlDlg", htmlDlg},
    {L"Vexa-SSGet", ssGet},
    {L"Vexa-ssgetRec", ssGetRecord},
    {L"Vexa-SSSGet", singleSsGet},
    {L"Vexa-OSType", osType},
    {L"Vexa-Running", running},
    {L"Vexa-VideoHelp", videoHelp},
    {L"Vexa-msgbox2", msgbox2},
    {L"Vexa-GetRemoteFile", getRemoteFile},
    {L"Vexa-PixelToWorld", pixelToWorld},
    {L"Vexa-WorldToPixel", worldToPixel},
    {L"Vexa-dvpOn", viewportWatchOn},
    {L"Vexa-dvpOff", viewportWatchOff},
    {L"Vexa-mainSettings", mainSettings},
};

}  // namespace

std::span<const frame::LispFunction> functionTable() { return table; }

}  // namespace vexa::kito
