// Resource identifiers, shared by the resource scripts and the code.
#pragma once

// Dialog templates
#define IDD_MAIN 102
#define IDD_TIMER 103
#define IDD_DIGIT_PICKER 104
#define IDD_ERROR 105
#define IDD_NOTICE 106
#define IDD_ALARM 107
#define IDD_COUNTER 108
#define IDD_SHUTDOWN 109
#define IDD_EXIT 110
#define IDD_DROPDOWN 135

// Menu and icons
#define IDR_MAINMENU 129
#define IDI_IDLE 128
#define IDI_ACTIVE 129

// Controls of the time field, shared by the alarm, timer and power-off panels (the counter uses the
// remaining-time ids for its count, and Set and Stop as the timer does)
#define IDC_DIGIT1 1033
#define IDC_DIGIT2 1034
#define IDC_DIGIT3 1035
#define IDC_DIGIT4 1036
#define IDC_SET 1037
#define IDC_REMAIN1 1038
#define IDC_REMAIN2 1039
#define IDC_REMAIN3 1040
#define IDC_REMAIN4 1041
#define IDC_STOP 1042
#define IDC_HISTORY 1054

// Popups
#define IDC_ERROR_TEXT 1044
#define IDC_NOTICE_TEXT 1045

// Main panel
#define IDC_STATUS_ALARM 1046
#define IDC_STATUS_TIMER 1047
#define IDC_STATUS_COUNTER 1048
#define IDC_STATUS_SHUTDOWN 1049
#define IDC_WEBSITE 1053

// Power-off panel
#define IDC_MODE 1052

// Exit confirmation
#define IDC_REMOVE_FROM_TRAY 1047

// Commands of menu 129
#define ID_MENU_MAINPANEL 32773
#define ID_MENU_EXIT 32774
#define ID_MENU_ALARM 32917
#define ID_MENU_TIMER 32918
#define ID_MENU_COUNTER 32919
#define ID_MENU_SHUTDOWN 32920
#define ID_QUICK_TIMER1 32926
#define ID_QUICK_TIMER3 32928
#define ID_QUICK_TIMER5 32929
#define ID_QUICK_TIMER10 32930
#define ID_QUICK_COUNTER 32931

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
