#pragma once
// Dialog and controls of the framework control tests (numbers 2100-2199).

#define IDD_TEST_CONTROLS 2100
#define IDC_TEST_CHECKLIST 2101
#define IDC_TEST_LISTCTRL 2102
#define IDC_TEST_TREE 2103
#define IDC_TEST_LISTBOX 2106
#define IDC_TEST_EDIT 2107
#define IDC_TEST_READONLY 2108
