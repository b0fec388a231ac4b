// Resource ids of VexaKito.
#pragma once

// The notice window of "Vexa-msgbox2".
#define IDD_BLANK 143
#define IDC_BLANK_TEXT 119

// The about box, the splash window, the hint and web-page dialogs.
#define IDD_ABOUT 105
#define IDD_WELCOME 106
#define IDD_HINT 108
#define IDD_HTML 110
#define IDC_HINT_TEXT 108
#define IDC_HINT_CHECK 109
#define IDC_HTML_BROWSER 110
#define IDC_HTML_CHECK 111
#define IDC_ABOUT_LINK 112
#define IDC_ABOUT_NOTICE 116
#define IDB_ABOUT 141
#define IDB_WELCOME 146

// The running window with its animation frames, and the video help window.
#define IDD_RUNNING 114
#define IDC_RUNNING_TEXT 114
#define IDC_RUNNING_FRAME_FIRST 115
#define IDC_RUNNING_FRAME_LAST 141
#define IDD_VIDEOHELP 142
#define IDC_VIDEO_PLAYER 117
