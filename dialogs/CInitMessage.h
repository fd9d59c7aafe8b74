// The modeless "loading" message shown while the transferred-load page builds its tree.
// It exists exactly as long as the object: created by the constructor, destroyed with it.
#pragma once

#include "framework/CDialog.h"

class CInitMessage : public CDialog
{
  public:
    // The page that shows the message; it does not become the parent.
    explicit CInitMessage(CWnd* pPage);
    ~CInitMessage() override;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
