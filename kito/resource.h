// Resource ids of VexaKito.
#pragma once

// The notice window of "Vexa-msgbox2".
#define IDD_BLANK 143
#define IDC_BLANK_TEXT 119
