// The page's two commands: hand the selected position back to the host for recalculation,
// and print tree and text through the system's text editor.
#include "page/CMyPropertyPage2.h"

#include "page/LoadPageString.h"
#include "resources/ResourceIds.h"

#include <cstdio>

namespace
{

const char kPrintFile[] = "kvd_info.txt";
const char kPrintCommand[] = "notepad.exe /p ";

// Text mode: every "\n" becomes a carriage return and line feed on disk.
bool WritePrintFile(std::FILE* file, const CString& strTree, const CString& strText)
{
    const bool bWritten = std::fputs(strTree, file) >= 0 && std::fputs("\n\n\n\n", file) >= 0 &&
                          std::fputs(strText, file) >= 0;
    return std::fclose(file) == 0 && bWritten;
}

} // namespace

void CMyPropertyPage2::OnKVDCalcul()
{
    if (m_nCurItem <= 0 || m_nCurItem >= m_itemFiles.GetSize() ||
        m_nCurItem >= m_itemMessages.GetSize())
        return;
    if (!m_itemMessages[m_nCurItem].IsEmpty()) {
        MessageBeep(static_cast<UINT>(-1));
        return;
    }
    if (!m_bStandalone)
        return;
    m_nCalcResult = 1;
    m_strCalcFile = m_itemFiles[m_nCurItem];
    EndDialog(1);
}

void CMyPropertyPage2::OnKVDPrint()
{
    std::FILE* file = std::fopen(kPrintFile, "w");
    if (file != nullptr) {
        SetTreeViewString();
        SetEditBoxString(1);
        if (WritePrintFile(file, m_strTreeText, m_strEditText)) {
            WinExec((CString(kPrintCommand) + kPrintFile), SW_HIDE);
            return;
        }
    }
    // A write-protected folder, a full disk: the user learns where the file should be.
    char path[MAX_PATH] = "";
    GetFullPathNameA(kPrintFile, MAX_PATH, path, nullptr);
    CString strMessage = LoadPageString(IDS_PAGE_PRINT_FAILED);
    strMessage += "\n";
    strMessage += path;
    const CString strCaption = LoadPageString(IDS_PAGE_CAPTION);
    MessageBox(strMessage, strCaption, MB_OK | MB_ICONEXCLAMATION);
}
