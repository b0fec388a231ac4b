// Resource ids of the layer display dialogs; the sliders and boxes share their ids with the
// main settings dialog's layer page (frame/locked_layer_controls.h).
#pragma once

#define IDD_ORDO_ENV_SET 2670
#define IDC_ENV_DARKNESS_GROUP 2671
#define IDC_ENV_TRANSPARENCY_GROUP 2672
#define IDC_ENV_APPLY 2673
#define IDC_ENV_LABEL_0 2674
#define IDC_ENV_LABEL_90 2675
#define IDC_ENV_LABEL_ZERO 2676
#define IDC_ENV_LABEL_ONE 2677
#define IDC_ENV_DARKNESS_SLIDER 131
#define IDC_ENV_DARKNESS_BOX 132
#define IDC_ENV_TRANSPARENCY_SLIDER 133
#define IDC_ENV_TRANSPARENCY_BOX 134

#define IDD_ORDO_ENV_SET2 2680
#define IDC_ENV2_FADING_LABEL 2681
#define IDC_ENV2_OPACITY_LABEL 2682
#define IDC_ENV2_FADING_SLIDER 131
#define IDC_ENV2_FADING_BOX 132
#define IDC_ENV2_OPACITY_SLIDER 133
#define IDC_ENV2_OPACITY_BOX 134
