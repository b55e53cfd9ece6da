// Resource and control ids of the installer window and the About box.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_INSTALLER 102
#define IDD_COPYPROGRESS 103
#define IDR_MAINFRAME 128

// Button skins.
#define IDB_INSTALL_LIT 131
#define IDB_INSTALL_PRESSED 134
#define IDB_INSTALL 135
#define IDB_CLOSE 136
#define IDB_CLOSE_LIT 137
#define IDB_CLOSE_PRESSED 138
#define IDB_INSTALL_DISABLED 139
#define IDB_BROWSE 140
#define IDB_BROWSE_LIT 141
#define IDB_BROWSE_PRESSED 142
#define IDB_WEB 143
#define IDB_WEB_LIT 144
#define IDB_PLAY 145
#define IDB_PLAY_LIT 146
#define IDB_PLAY_PRESSED 147
#define IDB_INFO 149
#define IDB_INFO_LIT 150
#define IDB_INFO_PRESSED 151

// Controls of the installer window (IDOK is Install/Play, IDCANCEL is Close).
#define IDC_BROWSE 1000
#define IDC_PATH 1001
#define IDC_INFO 1002
#define IDC_STATUS 1005
#define IDC_WEB 1006
#define IDC_VERSION 1007

// Controls of the copy's progress window (IDCANCEL is Storno).
#define IDC_COPY_FILE 1010
#define IDC_COPY_BAR 1011

// System-menu command of the About entry.
#define IDM_ABOUTBOX 0x0010
