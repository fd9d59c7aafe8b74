// A dialog with the editor's three origin fields (controls 1028, 1027, 1029) as coordinate
// fields, the x field bound to a value at start, and OK and Cancel buttons.
#pragma once

#include "dialogs/KVCoordinateEdit.h"
#include "framework/CDialog.h"
#include "tests/assign/CoordinateTestResources.h"

class CoordinateTestDialog : public CDialog
{
  public:
    explicit CoordinateTestDialog(double* pX) : CDialog(IDD_COORDINATE_TEST), m_pX(pX) {}

    KVCoordinateEdit m_edX{nullptr};
    KVCoordinateEdit m_edY{nullptr};
    KVCoordinateEdit m_edZ{nullptr};

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

  private:
    double* m_pX;
};
