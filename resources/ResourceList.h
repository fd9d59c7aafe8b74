// The resources every language library must hold, as lists a program can walk: the string
// numbers, and each dialog template with the controls the module relies on, their window
// class and the style bits that matter. The language library tests check both libraries
// against these lists; a dialog test can use them to find its controls.
#ifndef KESVAR_RESOURCES_RESOURCELIST_H
#define KESVAR_RESOURCES_RESOURCELIST_H

#include "resources/ResourceIds.h"

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <iterator>

namespace kvres
{

// A control of a template: (style & styleMask) must equal styleValue.
struct ControlSpec {
    int id;
    const char* windowClass;
    DWORD styleMask;
    DWORD styleValue;
};

// A template: its own style must match in the same way; controls lists what it must hold.
struct TemplateSpec {
    int id;
    DWORD styleMask;
    DWORD styleValue;
    const ControlSpec* controls;
    std::size_t controlCount;
};

// Control kinds, as (class, mask, value).
#define KV_PUSH "Button", 0xEu, 0u
#define KV_RADIO_FIRST "Button", 0xFu | WS_GROUP, BS_AUTORADIOBUTTON | WS_GROUP
#define KV_RADIO_NEXT "Button", 0xFu | WS_GROUP, BS_AUTORADIOBUTTON
#define KV_LABEL "Static", 0u, 0u
// The splitter bar lets mouse messages through to the dialog, which drags it.
#define KV_SPLITTER "Static", DWORD(SS_NOTIFY), 0u
#define KV_EDIT "Edit", DWORD(ES_READONLY), 0u
#define KV_READONLY "Edit", DWORD(ES_READONLY), DWORD(ES_READONLY)
// A check list box: owner-drawn with strings, notifying, unsorted.
#define KV_CHECKLIST                                                                               \
    "ListBox",                                                                                     \
        DWORD(LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_SORT |             \
              LBS_NOTIFY),                                                                         \
        DWORD(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY)
// A plain single-selection list box, notifying, unsorted.
#define KV_LISTBOX                                                                                 \
    "ListBox",                                                                                     \
        DWORD(LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_OWNERDRAWFIXED |     \
              LBS_OWNERDRAWVARIABLE),                                                              \
        DWORD(LBS_NOTIFY)
// Combo boxes never sort: their list index is the stored value.
#define KV_DROPLIST "ComboBox", DWORD(CBS_SORT | 0x3), DWORD(CBS_DROPDOWNLIST)
#define KV_DROPDOWN "ComboBox", DWORD(CBS_SORT | 0x3), DWORD(CBS_DROPDOWN)
// A report list view that does not sort; several rows may be selected.
#define KV_REPORT                                                                                  \
    WC_LISTVIEWA, DWORD(LVS_TYPEMASK | LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_SINGLESEL),    \
        DWORD(LVS_REPORT)
#define KV_TREE WC_TREEVIEWA, 0u, 0u

inline constexpr ControlSpec kAboutControls[] = {{IDOK, KV_PUSH}};

// The standalone page closes with Cancel, kept last: the hosted page has all but that one.
inline constexpr ControlSpec kLoadPageControls[] = {
    {IDC_LOAD_TREE, KV_TREE}, {IDC_LOAD_TEXT, KV_READONLY}, {IDC_SPLITTER, KV_SPLITTER},
    {ID_KVD_CALCUL, KV_PUSH}, {ID_KVD_PRINT, KV_PUSH},      {IDCANCEL, KV_PUSH},
};

inline constexpr ControlSpec kPositionControls[] = {
    {IDC_POSITION_LIST, KV_DROPLIST},
    {IDC_PROGRAM, KV_READONLY},
    {IDC_COMPONENTS, KV_CHECKLIST},
    {IDC_LOAD_LIST, KV_CHECKLIST},
    {IDC_DIRECTION_MINUS, KV_RADIO_FIRST},
    {IDC_DIRECTION_PLUS, KV_RADIO_NEXT},
    {IDC_SUPPORTS, KV_CHECKLIST},
    {IDC_FACTOR, KV_PUSH},
    {IDC_COMPONENT_VALUE, KV_READONLY},
    {IDC_IDEALISATION, KV_PUSH},
    {IDC_ORIENTATION, KV_PUSH},
    {IDC_GROUP_LIST, KV_DROPLIST},
};

inline constexpr ControlSpec kIdealisationControls[] = {
    {IDC_SUPPORTS, KV_DROPLIST},
    {IDC_LOADS, KV_DROPLIST},
    {IDC_COMPONENTS, KV_DROPLIST},
    {IDC_VALUE_LIST, KV_DROPLIST},
    {IDC_SCOPE, KV_RADIO_FIRST},
    {IDC_SCOPE_ALL, KV_RADIO_NEXT},
    {IDOK, KV_PUSH},
    {IDCANCEL, KV_PUSH},
};

inline constexpr ControlSpec kFactorControls[] = {
    {IDC_SUPPORTS, KV_DROPLIST},
    {IDC_LOADS, KV_DROPLIST},
    {IDC_COMPONENTS, KV_DROPLIST},
    {IDC_VALUE_LIST, KV_DROPDOWN},
    {IDC_SCOPE, KV_RADIO_FIRST},
    {IDC_SCOPE_ALL, KV_RADIO_NEXT},
    {IDOK, KV_PUSH},
    {IDCANCEL, KV_PUSH},
};

inline constexpr ControlSpec kOrientationControls[] = {
    {IDC_ORIENTATION_LIST, KV_DROPLIST},
    {IDC_OWN_SYSTEM, KV_LABEL},
    {IDC_ITEM_SYSTEM, KV_LABEL},
    {IDC_ORIENT_ORIGIN_X, KV_READONLY},
    {IDC_ORIENT_ORIGIN_Y, KV_READONLY},
    {IDC_ORIGIN_Z, KV_READONLY},
    {IDC_X_AXIS_X, KV_EDIT},
    {IDC_X_AXIS_Y, KV_EDIT},
    {IDC_X_AXIS_Z, KV_EDIT},
    {IDC_Y_AXIS_X, KV_EDIT},
    {IDC_Y_AXIS_Y, KV_EDIT},
    {IDC_Y_AXIS_Z, KV_EDIT},
    {IDOK, KV_PUSH},
    {IDCANCEL, KV_PUSH},
};

inline constexpr ControlSpec kEditorControls[] = {
    {IDC_SPLITTER, KV_SPLITTER},
    {IDC_TRANSFER_COUNT, KV_LABEL},
    {IDC_SELECTION_LABEL, KV_LABEL},
    {IDC_TRANSFER_LIST, KV_REPORT},
    {IDC_ASSIGNMENT_LIST, KV_REPORT},
    {IDC_OWN_POSITION, KV_READONLY},
    {IDC_ORIGIN_X, KV_EDIT},
    {IDC_ORIGIN_Y, KV_EDIT},
    {IDC_ORIGIN_Z, KV_EDIT},
    {IDC_ASSIGN, KV_PUSH},
    {IDC_ORIGIN_LABEL, KV_LABEL},
    {IDC_ORIGIN_X_LABEL, KV_LABEL},
    {IDC_ORIGIN_Y_LABEL, KV_LABEL},
    {IDC_ORIGIN_Z_LABEL, KV_LABEL},
    {IDC_ORIGIN_UNIT, KV_LABEL},
    {IDOK, KV_PUSH},
    {IDCANCEL, KV_PUSH},
    {ID_HELP, KV_PUSH},
};

inline constexpr ControlSpec kAssignmentControls[] = {
    {IDC_INFO_TEXT, KV_READONLY}, {IDC_LOAD_ASSIGNMENTS, KV_REPORT},
    {IDC_ASSIGN, KV_PUSH},        {IDOK, KV_PUSH},
    {IDCANCEL, KV_PUSH},
};

inline constexpr ControlSpec kShareControls[] = {
    {IDC_INFO_TEXT, KV_READONLY},
    {IDC_OWN_LOADS, KV_LISTBOX},
    {IDOK, KV_PUSH},
    {IDCANCEL, KV_PUSH},
};

template <std::size_t N>
constexpr TemplateSpec templateSpec(int id, DWORD mask, DWORD value, const ControlSpec (&c)[N])
{
    return {id, mask, value, c, N};
}

inline constexpr DWORD kResizable = WS_POPUP | WS_CHILD | WS_THICKFRAME;
inline constexpr DWORD kModal = WS_POPUP | WS_CHILD;

inline constexpr TemplateSpec kTemplates[] = {
    templateSpec(IDD_ABOUT, kModal, WS_POPUP, kAboutControls),
    templateSpec(IDD_LOAD_PAGE, kResizable, WS_POPUP | WS_THICKFRAME, kLoadPageControls),
    // A property page: a child of the sheet.
    templateSpec(IDD_POSITION, kModal, WS_CHILD, kPositionControls),
    templateSpec(IDD_IDEALISATION, kModal, WS_POPUP, kIdealisationControls),
    templateSpec(IDD_FACTOR, kModal, WS_POPUP, kFactorControls),
    templateSpec(IDD_ORIENTATION, kModal, WS_POPUP, kOrientationControls),
    templateSpec(IDD_EDITOR, kResizable, WS_POPUP | WS_THICKFRAME, kEditorControls),
    templateSpec(IDD_ASSIGNMENT, kModal, WS_POPUP, kAssignmentControls),
    templateSpec(IDD_SHARE, kModal, WS_POPUP, kShareControls),
    // The progress message is created modeless and never shown explicitly; no control of it
    // is used.
    {IDD_INIT_MESSAGE, kModal | WS_VISIBLE, WS_POPUP | WS_VISIBLE, nullptr, 0},
};

// The module's own template of the hosted page (a child of the host's sheet).
inline constexpr TemplateSpec kHostedPageTemplate = {
    IDD_LOAD_PAGE_HOSTED, kModal, WS_CHILD, kLoadPageControls, std::size(kLoadPageControls) - 1};

inline constexpr int kStringIds[] = {
    IDS_NO_VALUE,
    IDS_CHECK_NOT_POSITION,
    IDS_CHECK_NO_LOADS,
    IDS_CHECK_LOADS_DAMAGED,
    IDS_CHECK_LOADS_DAMAGED_END,
    IDS_CHECK_TRANSFERS_DAMAGED_IN,
    IDS_CHECK_NOT_IN_PLAN,
    IDS_CHECK_FAILED,
    IDS_CHECK_SOURCE_MISSING,
    IDS_CHECK_CYCLE,
    IDS_CHECK_CYCLE_END,
    IDS_PAGE_NOT_LOADED,
    IDS_PAGE_VALUE,
    IDS_PAGE_FACTOR,
    IDS_PAGE_IDEALISATION,
    IDS_PAGE_NO_VALUE,
    IDS_PAGE_NO_TRANSFERS,
    IDS_PAGE_HEADING,
    IDS_PAGE_HEADING_END,
    IDS_PAGE_FROM,
    IDS_PAGE_VOLUME,
    IDS_PAGE_GROUP,
    IDS_PAGE_PROJECT,
    IDS_PAGE_PROGRAM,
    IDS_PAGE_FEM_PROJECT,
    IDS_PAGE_LOAD,
    IDS_PAGE_SUPPORT,
    IDS_PAGE_REACTION,
    IDS_PAGE_NOT_ALL_LOADED,
    IDS_PAGE_NOT_ALL_LOADED_HINT,
    IDS_PAGE_CAPTION,
    IDS_PAGE_CYCLE,
    IDS_PAGE_PRINT_FAILED,
    IDS_PAGE_TITLE,
    IDS_PAGE_TREE_LABEL,
    ID_KVD_CALCUL,
    ID_KVD_PRINT,
    IDS_GROUP_CURRENT,
    IDS_GROUP_FEM,
    IDS_COUNT_LABEL,
    IDS_PREFIX_PLUS,
    IDS_PREFIX_MINUS,
    IDS_SELECT_ONE,
    IDS_EDITOR_CAPTION,
    IDS_TRANSFER,
    IDS_ASSIGN_TEXT,
    IDS_COL_NAME,
    IDS_COL_POSITION,
    IDS_COL_PROGRAM,
    IDS_COL_STATUS,
    IDS_COL_SUPPORT,
    IDS_COL_LOAD,
    IDS_COL_OWN_LOAD,
    IDS_COL_COMPONENT,
    IDS_COL_VALUE,
    IDS_SHARE_TEXT,
    IDS_ASSIGN_NO_SELECTION,
    IDS_ASSIGN_CAPTION,
    IDS_OWN_SYSTEM,
    IDS_ITEM_SYSTEM,
    IDS_SYSTEM_RIGHT,
    IDS_SYSTEM_LEFT,
    IDS_STATUS_MODIFIED,
    IDS_STATUS_NOT_CALCULATED,
    IDS_STATUS_CALCULATED,
    IDS_REPAIR,
    IDS_SHEET_CANCEL,
    IDS_SHEET_REMOVE,
    IDS_SHEET_HELP,
    IDS_OLD_FORMAT,
    IDS_LOADDATA_UNREADABLE,
    IDS_LOADDATA_VERSION,
    IDS_TRANSFERS_UNREADABLE,
    IDS_ORIENTATION_CAPTION,
    IDS_X_AXIS_ZERO,
    IDS_Y_AXIS_ZERO,
    AFX_IDP_PARSE_REAL,
};

// Commands whose string holds "text\ntooltip".
inline constexpr int kCommandIds[] = {ID_TRANSFER_NEW, ID_TRANSFER_DUPLICATE, ID_TRANSFER_EDIT,
                                      ID_TRANSFER_DELETE, ID_APP_ABOUT};

// Initial list data: the idealisation kinds in control IDC_VALUE_LIST of IDD_IDEALISATION, in
// the order of the idealisation index.
inline constexpr int kIdealisationKinds = 4;

#undef KV_PUSH
#undef KV_RADIO_FIRST
#undef KV_RADIO_NEXT
#undef KV_LABEL
#undef KV_SPLITTER
#undef KV_EDIT
#undef KV_READONLY
#undef KV_CHECKLIST
#undef KV_LISTBOX
#undef KV_DROPLIST
#undef KV_DROPDOWN
#undef KV_REPORT
#undef KV_TREE

} // namespace kvres

#endif
