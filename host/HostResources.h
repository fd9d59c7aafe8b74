// Resource numbers of the host program's own resources (kvhost.rc).
#pragma once

#define IDD_HOST_MAIN 200
#define IDD_HOST_PROJECT_PAGE 201

#define IDC_POSITIONS 1001
#define IDC_EDIT_TRANSFERS 1002
#define IDC_TRANSFERRED_LOADS 1003
#define IDC_LOAD_SHEET 1004
#define IDC_RECALCULATE 1005
#define IDC_LANGUAGE_LABEL 1006
#define IDC_LANGUAGE 1007
#define IDC_STATUS 1008

#define IDC_PROJECT_NAME_LABEL 1010
#define IDC_PROJECT_NAME 1011
#define IDC_PROJECT_FOLDER_LABEL 1012
#define IDC_PROJECT_FOLDER 1013
#define IDC_POSITION_COUNT_LABEL 1014
#define IDC_POSITION_COUNT 1015

// Texts: German from 1000, English from 1100, each at the offset of its HostText.
#define IDS_HOST_GERMAN 1000
#define IDS_HOST_ENGLISH 1100
