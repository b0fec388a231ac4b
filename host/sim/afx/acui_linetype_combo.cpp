#include "acad/acuicombo.h"

#include "sim/host.h"

void CAcUiLineTypeComboBox::PreSubclassWindow() {
    ResetContent();
    if (useByLayer_) AddString(L"BYLAYER");
    if (useByBlock_) AddString(L"BYBLOCK");
    vexa::sim::Host* host = vexa::sim::Host::current();
    vexa::sim::Document* document = host ? host->documents().current() : nullptr;
    if (document != nullptr) {
        for (const auto& linetype : document->database().linetypes().records()) {
            const std::wstring name = vexa::sim::upperCase(linetype.name);
            if (name != L"BYLAYER" && name != L"BYBLOCK") AddString(linetype.name.c_str());
        }
    }
    if (useOther_) AddString(L"Other...");
}
