// The editor's about box.
#pragma once

#include "framework/CDialog.h"

class CKVAbout : public CDialog
{
  public:
    explicit CKVAbout(CWnd* pParent);

  protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
