// VexaSetup's resource ids.
#pragma once

#define IDD_COPYRIGHT 104
#define IDD_PROGRESS 109
#define IDB_SETUP_PICTURE 106

// The agreement pages, HTML resources (type 23).
#define IDR_AGREEMENT_CHT 103
#define IDR_AGREEMENT_ENU 104
#define IDR_AGREEMENT_CHS 107

#define IDC_FOLDER 105
#define IDC_BROWSE 106
#define IDC_AGREE 107
#define IDC_FOLDER_LABEL 108
#define IDC_BROWSER 112
#define IDC_UAC_NOTE 113
#define IDC_TEMPLATES 115

#define IDC_PROGRESS_BAR 109
#define IDC_PROGRESS_PERCENT 110
#define IDC_PROGRESS_CAPTION 111
