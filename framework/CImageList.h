#pragma once
// Owned image list handle: masked icons or a strip bitmap from the current resources.

#include <windows.h>

#include <commctrl.h>

class CImageList
{
  public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // Empty list of cx by cy images with ILC_... flags; false when one already exists or
    // the system refuses.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();

    // Index of the new image, -1 on failure.
    int Add(HICON icon) { return m_hImageList ? ImageList_AddIcon(m_hImageList, icon) : -1; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

  private:
    HIMAGELIST m_hImageList = nullptr;
};
