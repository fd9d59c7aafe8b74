#pragma once
// The test DLL with a property page of its own (framework_testpage.dll).

#define IDD_TEST_MODULE_PAGE 1060
#define IDC_MODULE_PAGE_EDIT 1061

#ifndef RC_INVOKED
struct ModulePageCounts {
    int activations = 0;
    int oks = 0;
    int keys = 0;
    int textLength = -1;
};

class CPropertyPage;
using CreateModulePageFn = CPropertyPage* (*)();
using GetModulePageCountsFn = void (*)(ModulePageCounts*);
#endif
