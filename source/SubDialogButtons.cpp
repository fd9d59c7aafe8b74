// The source page's buttons for the factor, idealisation and orientation of the current item.
#include "dialogs/CKVFactor.h"
#include "dialogs/CKVIdealisation.h"
#include "dialogs/CKVOrientation.h"
#include "source/CKVPosition.h"
#include "source/CKVProperty.h"

void CKVPosition::OnFactor()
{
    CKVFactor dialog(&Item(), &m_settings, this);
    dialog.DoModal();
}

void CKVPosition::OnIdealisation()
{
    CKVIdealisation dialog(&Item(), this);
    dialog.DoModal();
}

void CKVPosition::OnOrientation()
{
    const CKVProperty& sheet = Sheet();
    CKVOrientation dialog(sheet.m_strOwnPosition, sheet.m_nOwnCoordinateSystem, &Item(), this);
    dialog.DoModal();
}
