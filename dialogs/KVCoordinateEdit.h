// KVCoordinateEdit(double* pValue): an edit field bound to pValue (null: nothing bound).
//
// A single-line edit field bound to one double of the data (an origin coordinate of the
// transfer selected in the editor). It shows the value with 15 significant digits and takes
// a typed number into the value on Enter or when the user leaves the field; text that is no
// number is replaced by the last good value with a beep. Escape undoes the typing. Neither
// Enter nor Escape reaches the dialog.
#pragma once

#include "framework/CEdit.h"

class KVCoordinateEdit : public CEdit
{
  public:
    explicit KVCoordinateEdit(double* pValue);

    // Takes what the field holds into the value bound now (text that is no number is
    // dropped silently), then binds p and shows its value; null empties the field.
    void BindValue(double* p);
    // Takes the text into the bound value, or restores the text with a beep.
    afx_msg void CommitValue();

    BOOL PreTranslateMessage(MSG* pMsg) override;

  private:
    // The bound value as text, or the empty text when nothing is bound.
    void ShowValue();

    double* m_pValue;

    DECLARE_MESSAGE_MAP()
};
