#include "ordo/function_table.h"

namespace vexa::ordo {

namespace {

using frame::answerNil;

constexpr frame::LispFunction table[] = {
    {L"Vexa-dxDeChamf", answerNil},
    {L"Vexa-dxFrmAtt", answerNil},
    {L"Vexa-dxSelColor", answerNil},
    {L"Vexa-dxOrdoSet", answerNil},
    {L"Vexa-dxVBKchkx", answerNil},
    {L"Vexa-dxOrdoMan", answerNil},
    {L"Vexa-dxOrdoMnEDIT", answerNil},
    {L"Vexa-dxVBKchkMsg", answerNil},
    {L"Vexa-dxSetScale", answerNil},
    {L"Vexa-dxTools-Bolt", answerNil},
    {L"Vexa-dxTools-Drill", answerNil},
    {L"Vexa-dxTools-CyldS", answerNil},
    {L"Vexa-dxTools-Cyld", answerNil},
    {L"Vexa-PSSget", answerNil},
    {L"Vexa-PSSget-S", answerNil},
    {L"Vexa-dxDeChamfComm", answerNil},
    {L"Vexa-FrameAtt-1", answerNil},
    {L"Vexa-FrameAtt-2", answerNil},
    {L"Vexa-LayEntsel", answerNil},
    {L"Vexa-SetLaySub", answerNil},
    {L"Vexa-selLayToolTip", answerNil},
    {L"Vexa-swLayBand", answerNil},
    {L"Vexa-dxOrdoSet2", answerNil},
    {L"Vexa-dxAuto3dModel", answerNil},
};

}  // namespace

std::span<const frame::LispFunction> functionTable() { return table; }

}  // namespace vexa::ordo
