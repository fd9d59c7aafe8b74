// The module's application object: created when the module is loaded; its start takes
// the help file's folder from the settings.
#pragma once

#include "framework/CWinApp.h"
#include "framework/MessageMapEntries.h"

class CKVApp : public CWinApp
{
  public:
    CKVApp() = default;
    ~CKVApp() override = default;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
