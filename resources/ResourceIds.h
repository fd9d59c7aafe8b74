// Numbers of every resource the module loads from its language library: strings, dialog
// templates with their controls, the toolbar bitmap, icons, the split cursor and commands.
// Plain #defines so that the .rc files of the language libraries and the C++ code share them.
// A number that several templates use for the same role has one name; where the same number
// has different roles in different templates, each role has its own name.
#ifndef KESVAR_RESOURCES_RESOURCEIDS_H
#define KESVAR_RESOURCES_RESOURCEIDS_H

// Controls the code never addresses (labels).
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// ---- Dialog templates -------------------------------------------------------------------
// 100 is the about box in the language libraries; the hosted transferred-load page finds its
// template 100 in the module itself (docs/resources.md).
#define IDD_ABOUT 100
#define IDD_LOAD_PAGE_HOSTED 100
#define IDD_LOAD_PAGE 103
#define IDD_POSITION 129
#define IDD_IDEALISATION 134
#define IDD_FACTOR 135
#define IDD_ORIENTATION 136
#define IDD_EDITOR 137
#define IDD_ASSIGNMENT 142
#define IDD_SHARE 143
#define IDD_INIT_MESSAGE 20031

// Resource type of the initial list data of combo and list boxes (same number as the
// template): {WORD control, WORD message, DWORD byte count, bytes}..., WORD 0.
#define KV_RT_DLGINIT 240
#define KV_DLGINIT_ADDSTRING_LB 0x0401
#define KV_DLGINIT_ADDSTRING_CB 0x0403

// ---- Bitmap, icons, cursor ----------------------------------------------------------------
#define IDB_TOOLBAR 133
#define KV_TOOLBAR_IMAGES 8
#define KV_TOOLBAR_IMAGE_SIZE 16
#define IDI_TRANSFER_PLUS 140
#define IDI_TRANSFER_MINUS 141
#define IDC_SPLITBAR_CURSOR 30980

// ---- Commands -----------------------------------------------------------------------------
// Editor toolbar and keys; the string of each command is "text\ntooltip".
#define ID_TRANSFER_NEW 32771
#define ID_TRANSFER_DUPLICATE 32772
#define ID_TRANSFER_EDIT 32773
#define ID_TRANSFER_DELETE 32774
// Commands with handlers that do nothing; no button or key reaches them.
#define ID_TRANSFER_SPARE1 32775
#define ID_TRANSFER_SPARE2 32776
#define ID_TRANSFER_SPARE3 32777
#ifndef ID_APP_ABOUT
#define ID_APP_ABOUT 0xE140
#endif
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif
// Buttons of the transferred-load page.
#define ID_KVD_CALCUL 34010
#define ID_KVD_PRINT 34011

// ---- Controls: editor (137) -----------------------------------------------------------
#define IDC_TOOLBAR 133
#define IDC_ORIGIN_Y 1027
#define IDC_ORIGIN_X 1028
#define IDC_ORIGIN_Z 1029
#define IDC_TRANSFER_LIST 1031
#define IDC_ASSIGNMENT_LIST 1032
#define IDC_OWN_POSITION 1033
#define IDC_TRANSFER_COUNT 1034
#define IDC_SELECTION_LABEL 1036
#define IDC_ASSIGN 1037
#define IDC_SPLITTER 1057
#define IDC_ORIGIN_LABEL 1058
#define IDC_ORIGIN_X_LABEL 1059
#define IDC_ORIGIN_Y_LABEL 1060
#define IDC_ORIGIN_Z_LABEL 1061
#define IDC_ORIGIN_UNIT 1062

// ---- Controls: source position page (129) ---------------------------------------------
#define IDC_POSITION_LIST 1000
#define IDC_PROGRAM 1002
#define IDC_COMPONENTS 1004
#define IDC_LOAD_LIST 1005
#define IDC_DIRECTION_MINUS 1006
#define IDC_SUPPORTS 1007
#define IDC_FACTOR 1008
#define IDC_COMPONENT_VALUE 1009
#define IDC_IDEALISATION 1010
#define IDC_DIRECTION_PLUS 1011
#define IDC_ORIENTATION 1012
#define IDC_GROUP_LIST 1013

// ---- Controls: idealisation (134) and factor (135); also IDC_SUPPORTS, IDC_COMPONENTS ----
#define IDC_LOADS 1008
#define IDC_VALUE_LIST 1009
#define IDC_SCOPE 1042
#define IDC_SCOPE_ALL 1043

// ---- Controls: orientation (136); also IDC_ORIGIN_Z ---------------------------------------
#define IDC_ORIENTATION_LIST 1023
#define IDC_X_AXIS_X 1030
#define IDC_X_AXIS_Y 1031
#define IDC_X_AXIS_Z 1032
#define IDC_Y_AXIS_X 1036
#define IDC_Y_AXIS_Y 1037
#define IDC_Y_AXIS_Z 1038
#define IDC_OWN_SYSTEM 1044
#define IDC_ITEM_SYSTEM 1045
#define IDC_ORIENT_ORIGIN_X 1046
#define IDC_ORIENT_ORIGIN_Y 1047

// ---- Controls: assignment (142) and share (143); also IDC_ASSIGN ------------------------
#define IDC_LOAD_ASSIGNMENTS 1036
#define IDC_INFO_TEXT 1038
#define IDC_OWN_LOADS 1039

// ---- Controls: transferred-load page (100 hosted, 103 standalone); also IDC_SPLITTER -------
#define IDC_LOAD_TREE 2007
#define IDC_LOAD_TEXT 2008

// ---- Strings: transferred-load page (loaded at most 49 characters long) -----------------
#define IDS_NO_VALUE 1
#define IDS_CHECK_NOT_POSITION 2
#define IDS_CHECK_NO_LOADS 3
#define IDS_CHECK_LOADS_DAMAGED 4
#define IDS_CHECK_LOADS_DAMAGED_END 5
#define IDS_CHECK_TRANSFERS_DAMAGED_IN 6
#define IDS_CHECK_NOT_IN_PLAN 7
#define IDS_CHECK_FAILED 8
#define IDS_CHECK_SOURCE_MISSING 9
#define IDS_CHECK_CYCLE 10
#define IDS_CHECK_CYCLE_END 11
#define IDS_PAGE_NOT_LOADED 12
#define IDS_PAGE_VALUE 13
#define IDS_PAGE_FACTOR 14
#define IDS_PAGE_IDEALISATION 15
#define IDS_PAGE_NO_VALUE 16
#define IDS_PAGE_NO_TRANSFERS 17
#define IDS_PAGE_HEADING 18
#define IDS_PAGE_HEADING_END 19
#define IDS_PAGE_FROM 20
#define IDS_PAGE_VOLUME 21
#define IDS_PAGE_GROUP 22
#define IDS_PAGE_PROJECT 23
#define IDS_PAGE_PROGRAM 24
#define IDS_PAGE_FEM_PROJECT 25
#define IDS_PAGE_LOAD 26
#define IDS_PAGE_SUPPORT 27
#define IDS_PAGE_REACTION 28
#define IDS_PAGE_NOT_ALL_LOADED 29
#define IDS_PAGE_NOT_ALL_LOADED_HINT 30
#define IDS_PAGE_CAPTION 31
// The tree item of a position that the branch above it already shows (transfers in a cycle).
#define IDS_PAGE_CYCLE 32
// The print file cannot be created; followed by the file's path.
#define IDS_PAGE_PRINT_FAILED 33
// The hosted page's tab and the label of its tree; its buttons' captions are the strings of
// their commands (ID_KVD_CALCUL, ID_KVD_PRINT).
#define IDS_PAGE_TITLE 34
#define IDS_PAGE_TREE_LABEL 35
#define KV_PAGE_STRING_MAX 49

// ---- Strings: editor, source page and sub-dialogs --------------------------------------
#define IDS_GROUP_CURRENT 1000
#define IDS_GROUP_FEM 1001
#define IDS_COUNT_LABEL 1002
#define IDS_PREFIX_PLUS 1003
#define IDS_PREFIX_MINUS 1004
#define IDS_SELECT_ONE 1005
#define IDS_EDITOR_CAPTION 1006
#define IDS_TRANSFER 1007
#define IDS_ASSIGN_TEXT 1008
#define IDS_COL_NAME 1009
#define IDS_COL_POSITION 1010
#define IDS_COL_PROGRAM 1011
#define IDS_COL_STATUS 1012
#define IDS_COL_SUPPORT 1013
#define IDS_COL_LOAD 1014
#define IDS_COL_OWN_LOAD 1015
#define IDS_COL_COMPONENT 1016
#define IDS_COL_VALUE 1017
#define IDS_SHARE_TEXT 1018
#define IDS_ASSIGN_NO_SELECTION 1019
#define IDS_ASSIGN_CAPTION 1020
#define IDS_OWN_SYSTEM 1021
#define IDS_ITEM_SYSTEM 1022
#define IDS_SYSTEM_RIGHT 1023
#define IDS_SYSTEM_LEFT 1024
#define IDS_STATUS_MODIFIED 1025
#define IDS_STATUS_NOT_CALCULATED 1026
#define IDS_STATUS_CALCULATED 1027
#define IDS_REPAIR 1028
#define IDS_SHEET_CANCEL 1029
#define IDS_SHEET_REMOVE 1030
#define IDS_SHEET_HELP 1031
#define IDS_OLD_FORMAT 1032
#define IDS_LOADDATA_UNREADABLE 1033
#define IDS_LOADDATA_VERSION 1034
#define IDS_TRANSFERS_UNREADABLE 1035
#define IDS_ORIENTATION_CAPTION 1036
#define IDS_X_AXIS_ZERO 1037
#define IDS_Y_AXIS_ZERO 1038

// ---- Strings of the framework: its data exchange messages ----------------------------------
#define AFX_IDP_PARSE_REAL 0xF113

#endif
