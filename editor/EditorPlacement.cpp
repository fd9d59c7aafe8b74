// Closing the editor and its place on the screen: OK writes the transfers, Cancel writes
// nothing; both store the window's place and the splitter bar under "Window", and the
// start puts them back. A transfer file the start could not read is kept as a copy before
// OK writes over it, so that what it held can still be recovered.
#include "editor/CKVEditor.h"

#include "model/TransferFileName.h"

#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
#include "settings/WindowPlacement.h"

void CKVEditor::OnOK()
{
    SavePlacement();
    if (m_bUnreadableAtStart)
        KeepUnreadableFile();
    WriteTransfers();
    EndDialog(IDOK);
}

void CKVEditor::OnCancel()
{
    SavePlacement();
    EndDialog(IDCANCEL);
}

void CKVEditor::KeepUnreadableFile() const
{
    const CString file = TransferFileName(*m_pRequest);
    ::CopyFileA(file, file + ".bak", FALSE);
}

void CKVEditor::SavePlacement()
{
    KVSettingsKey key;
    if (key.OpenSettings() != ERROR_SUCCESS)
        return;
    CRect window;
    GetWindowRect(&window);
    WritePlacementValue(
        key, settings::kWindow,
        {window.left, window.top, window.Width(), window.Height(), ChildRect(&m_splitterBar).left});
}

// A value with fewer than four numbers counts as absent; a fifth number of 0 (or none)
// leaves the splitter bar where the template puts it.
void CKVEditor::RestorePlacement()
{
    KVSettingsKey key;
    if (key.OpenSettings() != ERROR_SUCCESS)
        return;
    WindowPlacement stored;
    if (ReadPlacementValue(key, settings::kWindow, stored) < 4)
        return;
    // A place on a screen that is no longer there would leave the editor out of reach.
    const RECT rect = {stored.left, stored.top, stored.left + stored.width,
                       stored.top + stored.height};
    if (::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        MoveWindow(stored.left, stored.top, stored.width, stored.height, TRUE);
    if (stored.splitter == 0)
        return;
    MeasureLayout();
    // A stored bar outside today's limits is kept within them.
    MoveSplitter(ClampSplitter(stored.splitter) - m_rcSplitter.left);
}
