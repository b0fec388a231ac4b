// Resource ids of the dimension settings dialog and its pages, as the product's templates number them.
#pragma once

#define IDD_DIM_SETTINGS 117
#define IDD_DIM_SETTINGS_DIM 124
#define IDD_DIM_SETTINGS_SUB 125

#define IDC_DIM_SETTINGS_TABS 124

#define IDC_DIM_COLOR 114
#define IDC_DIM_LINETYPE 115
#define IDC_DIM_LAYER 118
#define IDC_DIM_STYLE 119
#define IDC_DIM_STYLE_LABEL 120
#define IDC_DIM_LAYER_LABEL 121
#define IDC_DIM_COLOR_LABEL 122
#define IDC_DIM_LINETYPE_LABEL 123
#define IDC_DIM_STYLE_BUTTON 129

#define IDC_SUB_LAYER_LABEL 130
#define IDC_SUB_COLOR_LABEL 131
#define IDC_SUB_LINETYPE_LABEL 132
#define IDC_SUB_LAYER 133
#define IDC_SUB_COLOR 134
#define IDC_SUB_LINETYPE 135
