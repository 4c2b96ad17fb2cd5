#pragma once
// Identifiers shared by the resource script and the code.

#define IDI_APPLICATION_ICON 10001
#define IDI_TRAY_PAUSED 10002
#define IDI_TRAY_RUNNING 10003

// Tray menu commands.
#define IDM_EXIT 101
#define IDM_SETTINGS 102
#define IDM_PAUSE 103
#define IDM_SAVER 104
#define IDM_CHANGE 105
#define IDM_NEXT 106
#define IDM_PREVIOUS 107
#define IDM_ESCAPE 108
#define IDM_CLEAR 109
#define IDM_RANDOM 110
#define IDM_REFRESH 111
#define IDM_HELP 112
#define IDM_FOLDER_FIRST 120  // folder submenu items: 120 + folder index, at most 256
// The pictures showing: 400 + 3 × picture index + action (folder, never again, Recycle Bin).
#define IDM_SHOWING_FIRST 400

// Folder page context menu.
#define IDM_FOLDER_ADD 221
#define IDM_FOLDER_OPEN 222
#define IDM_FOLDER_REMOVE 223
