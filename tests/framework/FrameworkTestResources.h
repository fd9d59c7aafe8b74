#pragma once
// Dialogs and strings of the framework core tests (numbers 1000-1999).

#define IDD_TEST_KEYS 1000
#define IDC_KEYS_EDIT 1001
#define IDC_KEYS_LIST 1002
#define IDC_KEYS_COMBO 1003

#define IDD_TEST_NUMBERS 1010
#define IDC_NUMBERS_DOUBLE 1011
#define IDC_NUMBERS_RADIO1 1013
#define IDC_NUMBERS_RADIO2 1014
#define IDC_NUMBERS_TEXT 1016

#define IDD_TEST_PAGE 1020
#define IDC_PAGE_EDIT 1022

#define IDD_TEST_OUTER 1040
#define IDC_OUTER_OPEN 1041
#define IDD_TEST_INNER 1050
#define IDC_INNER_ASK 1051

