// Resource ids of Vexa3D: the views dialog, its controls and its pictures.
#pragma once

#define IDD_SOLID_TO_VIEWS 103

// View check boxes; their bit order is the table in SolidToViewsDlg.cpp
#define IDC_VIEW_FRONT 102
#define IDC_VIEW_RIGHT 103
#define IDC_VIEW_REAR_RIGHT 104
#define IDC_VIEW_LEFT 105
#define IDC_VIEW_TOP 106
#define IDC_VIEW_BOTTOM 107
#define IDC_VIEW_REAR_BELOW 108
#define IDC_SHOW_HIDDEN 109
#define IDC_VIEWS_GROUP 117
#define IDC_VIEW_ISO_NE 121
#define IDC_COMPLETE_MODE 122
#define IDC_QUICK_MODE 123
#define IDC_RETURN_AUTOMATICALLY 124
#define IDC_VIEW_ISO_NW 137
#define IDC_VIEW_ISO_SW 138
#define IDC_VIEW_ISO_SE 139
#define IDC_HIDDEN_SETTINGS 140

// Pictures: view n (bit order) with hidden lines at 150 + 2n, without at 151 + 2n; bitmaps alike.
#define IDC_VIEW_PICTURE_BASE 150
#define IDB_VIEW_PICTURE_BASE 200
