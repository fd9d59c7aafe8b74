// Read-only and disabled edit fields in the dialog face colour, shared by the editor and
// the sub-dialogs that colour their fields: a user sees at once which fields take input.
#pragma once

#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CWnd.h"

class KVFieldColouring
{
  public:
    KVFieldColouring();

    // The brush for an edit-type colour request of a read-only or disabled edit field (its
    // device context set to face background and window text), or null: then the dialog
    // answers with its base handler.
    HBRUSH Colour(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

  private:
    CBrush m_brush;
};
