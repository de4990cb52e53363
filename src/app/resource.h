// Resource identifiers shared by the program and tarnwick.rc.
#pragma once

#define IDR_MAINMENU 101
#define IDD_EXPORT 102

#define IDM_OPEN 40001
#define IDM_EXIT 40002
#define IDM_REDRAW 40003
#define IDM_RECTANGLE 40004
#define IDM_CIRCLE 40005

#define IDC_COMMA 1001
#define IDC_SPACE 1002
#define IDC_COLS 1003
#define IDC_ROWS 1004
#define IDC_REMOVE 1005
