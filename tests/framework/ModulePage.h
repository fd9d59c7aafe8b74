#pragma once
// The test DLL with a property page of its own (framework_testpage.dll).

// The number of the test program's own page too: the resource chain test finds it in both.
#define IDD_TEST_MODULE_PAGE 1020
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
