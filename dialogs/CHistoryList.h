// CHistoryList(): an empty history of factors.
//
// The recently used factors, most recent first (the head), at most 50 distinct values of
// at least 0.0005 in magnitude. A combo box that does not sort shows the same values in
// the same order: list row i is the i-th entry from the head.
#pragma once

#include "framework/CComboBox.h"
#include "framework/CList.h"
#include "framework/CString.h"

class CHistoryList : public CList<double, double>
{
  public:
    static constexpr INT_PTR kMaxEntries = 50;
    // Smaller factors are no factors: they would wipe the load out.
    static constexpr double kMinMagnitude = 0.0005;

    // Puts the value on top of history and list; a value already there moves to the top
    // and is selected. 1 when taken, 0 when refused (too small, or not a finite number).
    int AddValue(CComboBox& box, double value);
    // Moves a value that is in the history to the top and selects it.
    void MoveToFront(CComboBox& box, double value);

    // The text the list and the settings show for a value ("%.*g", 15 digits).
    static CString Text(double value);
};
