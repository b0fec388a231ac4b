// Every plug-in's AutoLISP function names in code order, as the product's code knows them.
#pragma once

#include <string>
#include <vector>

namespace vexa::test {

struct PluginTable {
    const char* plugin;
    std::vector<std::wstring> names;
    std::wstring badCodeMessage;
};

inline const std::vector<PluginTable> tables = {
    {"VexaOrdo",
     {L"Vexa-dxDeChamf", L"Vexa-dxFrmAtt", L"Vexa-dxSelColor", L"Vexa-dxOrdoSet", L"Vexa-dxVBKchkx",
      L"Vexa-dxOrdoMan", L"Vexa-dxOrdoMnEDIT", L"Vexa-dxVBKchkMsg", L"Vexa-dxSetScale", L"Vexa-dxTools-Bolt",
      L"Vexa-dxTools-Drill", L"Vexa-dxTools-CyldS", L"Vexa-dxTools-Cyld", L"Vexa-PSSget", L"Vexa-PSSget-S",
      L"Vexa-dxDeChamfComm", L"Vexa-FrameAtt-1", L"Vexa-FrameAtt-2", L"Vexa-LayEntsel", L"Vexa-SetLaySub",
      L"Vexa-selLayToolTip", L"Vexa-swLayBand", L"Vexa-dxOrdoSet2", L"Vexa-dxAuto3dModel"},
     L"Received non-existent function code."},
    {"VexaKito",
     {L"Vexa-welcome", L"Vexa-about", L"Vexa-msgbox", L"Vexa-disableESC", L"Vexa-readKB", L"Vexa-grRead",
      L"Vexa-Progress", L"Vexa-HintDlg", L"Vexa-HtmlDlg", L"Vexa-SSGet", L"Vexa-ssgetRec", L"Vexa-SSSGet",
      L"Vexa-OSType", L"Vexa-Running", L"Vexa-VideoHelp", L"Vexa-msgbox2", L"Vexa-GetRemoteFile",
      L"Vexa-PixelToWorld", L"Vexa-WorldToPixel", L"Vexa-dvpOn", L"Vexa-dvpOff", L"Vexa-mainSettings"},
     L"Received nonexistent function code."},
    {"VexaDim", {L"Vexa-DimSetupDlg", L"Vexa-DimSettingsDlg", L"Vexa-dynSymEnt", L"Vexa-adjDimTxt"},
     L"Received nonexistent function code."},
    {"Vexa3D", {L"Vexa-Hlr", L"Vexa-ViewsDlg"}, L"Received nonexistent function code."},
    {"VexaSetup", {L"Vexa-InstallDlg", L"Vexa-ProgressDlg"}, L"Received nonexistent function code."},
};

}  // namespace vexa::test
