// Resource ids of the layer manager, the series code dialog and the new- and edit-layer dialogs.
#pragma once

#define IDD_ORDO_SN 2600
#define IDC_SN_GROUP 2601
#define IDC_SN_GROUP_LABEL 2602
#define IDC_SN_GROUP_LENGTH 2603
#define IDC_SN_SERIAL_LABEL 2604
#define IDC_SN_SERIAL_LENGTH 2605
#define IDC_SN_EXPLANATION 2606

#define IDD_ORDO_MAN 2610
#define IDC_MAN_GROUP 2611
#define IDC_MAN_MAIN_LABEL 2612
#define IDC_MAN_LIST 2613
#define IDC_MAN_COUNT_LABEL 2614
#define IDC_MAN_COUNT 2615
#define IDC_MAN_SERIES 2616
#define IDC_MAN_NEW 2617
#define IDC_MAN_EDIT 2618
#define IDC_MAN_PURGE 2619

// The new- and edit-layer dialogs share their control ids.
#define IDD_ORDO_NEW 2620
#define IDD_ORDO_EDIT 2621
#define IDC_ROW_MAIN_LABEL 2622
#define IDC_ROW_MAIN_NAME 2623
#define IDC_ROW_LIGHT_LABEL 2624
#define IDC_ROW_LINETYPE_LABEL 2625
#define IDC_ROW_COLOR_BUTTON 2626
#define IDC_ROW_TOGGLE 2627
#define IDC_ROW_SUBLAYER_GROUP 2628
#define IDC_ROW_LARGE_OK 2629
#define IDC_ROW_LARGE_CANCEL 2630
#define IDC_ROW_HID 2632
#define IDC_ROW_DES 2633
// Name boxes of rows 4 to 8: IDC_ROW_NAME_BASE + row.
#define IDC_ROW_NAME_BASE 2630
// Colour and linetype lists of rows 1 to 8: base + row.
#define IDC_ROW_COLOR_BASE 2640
#define IDC_ROW_LINETYPE_BASE 2650
