#include "ordo/function_table.h"

#include "ordo/layers/lay_entsel.h"
#include "ordo/layers/OrdoMnEDIT.h"
#include "ordo/layers/layer_functions.h"
#include "ordo/layers/sel_lay_tooltip.h"
#include "ordo/layers/sw_lay_band.h"
#include "ordo/tools/pick_selection.h"
#include "ordo/tools/tools_functions.h"
#include "ordo/views/views_functions.h"

namespace vexa::ordo {

namespace {

using frame::answerNil;

constexpr frame::LispFunction table[] = {
    {L"Vexa-dxDeChamf", answerNil},
    {L"Vexa-dxFrmAtt", answerNil},
    {L"Vexa-dxSelColor", dxSelColor},
    {L"Vexa-dxOrdoSet", answerNil},
    {L"Vexa-dxVBKchkx", dxVBKchkx},
    {L"Vexa-dxOrdoMan", dxOrdoMan},
    {L"Vexa-dxOrdoMnEDIT", dxOrdoMnEDIT},
    {L"Vexa-dxVBKchkMsg", dxVBKchkMsg},
    {L"Vexa-dxSetScale", answerNil},
    {L"Vexa-dxTools-Bolt", dxToolsBolt},
    {L"Vexa-dxTools-Drill", dxToolsDrill},
    {L"Vexa-dxTools-CyldS", dxToolsCyldS},
    {L"Vexa-dxTools-Cyld", dxToolsCyld},
    {L"Vexa-PSSget", pickSelection},
    {L"Vexa-PSSget-S", pickSelectionSingle},
    {L"Vexa-dxDeChamfComm", answerNil},
    {L"Vexa-FrameAtt-1", answerNil},
    {L"Vexa-FrameAtt-2", answerNil},
    {L"Vexa-LayEntsel", layEntsel},
    {L"Vexa-SetLaySub", setLaySub},
    {L"Vexa-selLayToolTip", selLayToolTip},
    {L"Vexa-swLayBand", swLayBand},
    {L"Vexa-dxOrdoSet2", answerNil},
    {L"Vexa-dxAuto3dModel", dxAuto3dModel},
};

}  // namespace

std::span<const frame::LispFunction> functionTable() { return table; }

}  // namespace vexa::ordo
