// Every resource identifier of Huevane, in ranges that match the prefixes.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_PICKER_DIALOG 102
#define IDD_HELP_DIALOG 131

// Icons and menus
#define IDR_MAINFRAME 128
#define IDR_MENU 129

// Strings
#define IDS_ABOUTBOX 101

// System menu
#define IDM_ABOUTBOX 0x0010

// Controls
#define IDC_SLOT1 1000
#define IDC_SLOT2 1001
#define IDC_SLOT3 1002
#define IDC_SLOT4 1003
#define IDC_SLOT5 1004
#define IDC_VALUE_EDIT 1005
#define IDC_COPY 1006
#define IDC_POSITION 1008
#define IDC_LIVE_VALUE 1009
#define IDC_PREVIEW 1010
#define IDC_ZOOM 1011
#define IDC_FORMAT 1012
#define IDC_HOTKEY 1013
#define IDC_HELP_TEXT 1014
#define IDC_SET_HOTKEY 1015
#define IDC_SWATCH1 1016
#define IDC_SWATCH2 1017
#define IDC_SWATCH3 1018
#define IDC_SWATCH4 1019
#define IDC_SWATCH5 1020

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Menu commands
#define ID_OPTIONS_ZOOM 32771
#define ID_OPTIONS_ONTOP 32772
#define ID_OPTIONS_HOTKEYS 32773
#define ID_HELP_ABOUT 32774
#define ID_HELP_HELP 32775
#define ID_TIMER_START 32776
#define ID_TIMER_STOP 32777
#define ID_SCALE_2X 32778
#define ID_SCALE_4X 32779
#define ID_SCALE_8X 32780
