// Resource ids of the main settings dialog and its pages; the layer page's sliders and boxes
// are those of frame/locked_layer_controls.h.
#pragma once

#define IDD_MAIN_SETTINGS 147
#define IDD_SUB_LAY_SYM 148
#define IDD_PROP_SETTINGS 145

#define IDC_SETTINGS_TABS 126

#define IDC_SYM_FADING_LABEL 135
#define IDC_SYM_FADING_SLIDER 131
#define IDC_SYM_FADING_BOX 132
#define IDC_SYM_OPACITY_LABEL 136
#define IDC_SYM_OPACITY_SLIDER 133
#define IDC_SYM_OPACITY_BOX 134
#define IDC_SYM_LABEL 128
#define IDC_SYM_LIST 127
#define IDC_SYM_EXAMPLE 129

#define IDC_PROP_LAYER_LABEL 120
#define IDC_PROP_COLOR_LABEL 121
#define IDC_PROP_LINETYPE_LABEL 122
#define IDC_PROP_LAYER 123
#define IDC_PROP_COLOR 124
#define IDC_PROP_LINETYPE 125
#define IDC_PROP_NOTE 130
