// Resource ids of the window-system tests' resource script.
#pragma once

#define IDD_SERIES 101
#define IDD_CHINESE 102
#define IDD_CONTROLS 103
#define IDD_NESTED 104
#define IDD_NUMBERS 105
#define IDD_OLDSTYLE 106
#define IDD_MODELESS 107

#define IDC_NUMBER 1001
#define IDC_NAME 1002
#define IDC_READONLY 1003
#define IDC_CHECK 1004
#define IDC_RADIO1 1005
#define IDC_RADIO2 1006
#define IDC_RADIO3 1007
#define IDC_LIST 1008
#define IDC_DROPLIST 1009
#define IDC_DROPDOWN 1010
#define IDC_SLIDER 1011
#define IDC_PROGRESS 1012
#define IDC_NESTED 1013
#define IDC_GROUP 1014
#define IDC_LABEL 1015
#define IDC_LISTVIEW 1016
#define IDC_TABS 1017
#define IDC_NESTED_EDIT 1101
#define IDC_INTEGER 1201
#define IDC_REAL 1202
#define IDC_NOTICE 1301

#define IDS_TITLE 1
#define IDS_CHINESE 17
