#pragma once
// Owner-drawn list box (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS) with a check box in front of
// each row. A click on the box or the space bar toggles the check of that row without
// changing the selection and sends CLBN_CHKCHANGE to the parent (WM_COMMAND). Item data
// stays the caller's; the checks are kept by the object, in step with the rows.

#include "framework/CListBox.h"

#include <vector>

#define CLBN_CHKCHANGE 40

class CCheckListBox : public CListBox
{
  public:
    // 1 checked, 0 unchecked (also for an index outside).
    int GetCheck(int index) const;
    void SetCheck(int index, int check);

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Draws the rows the parent reflects (WM_DRAWITEM).
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  private:
    // Rows that existed before the object subclassed the control start unchecked.
    void SyncRows() const;
    // The row whose check box lies under a client point, -1 when none.
    int CheckFromPoint(POINT point) const;
    void Toggle(int index);
    void DrawItem(const DRAWITEMSTRUCT& item) const;

    mutable std::vector<int> m_checks;
};
