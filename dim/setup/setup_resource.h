// Resource ids of the automatic dimensioning setup dialog, as the product's templates number them.
#pragma once

#define IDD_DIM_SETUP 103
#define IDC_SETUP_CHAMFER_LABEL 103
#define IDC_SETUP_ORTHOGONAL 105
#define IDC_SETUP_STYLE 106
#define IDC_SETUP_CHAMFER 107
#define IDC_SETUP_TYPE_GROUP 112
#define IDC_SETUP_SETTINGS_GROUP 113
#define IDC_SETUP_OBJECT_GROUP 116
#define IDC_SETUP_HIDDEN 138
#define IDC_SETUP_HIDDEN_LABEL 139
#define IDC_SETUP_OBJECT_0 140
#define IDC_SETUP_OBJECT_1 141
#define IDC_SETUP_OBJECT_2 142
#define IDC_SETUP_TYPE_0 150
#define IDC_SETUP_TYPE_1 151
#define IDC_SETUP_TYPE_2 152
#define IDC_SETUP_TYPE_3 153
#define IDC_SETUP_TYPE_4 154
#define IDC_SETUP_TYPE_5 155
