// The page's activation: the project, the host's positions with the result of their check,
// and below each position that can be shown the tree of its sources.
#include "page/CMyPropertyPage2.h"
#include "page/PageInternals.h"

#include "dialogs/CInitMessage.h"
#include "framework/CWaitCursor.h"
#include "framework/ModuleState.h"
#include "model/LoadDataInterface.h"
#include "page/HostedPageLanguage.h"
#include "page/LoadPageString.h"
#include "page/ShownTree.h"
#include "page/TreeSources.h"
#include "resources/ResourceIds.h"

#include <memory>

namespace
{
// The results of CheckTree with which a position is shown with its sources.
bool CanBeShown(short result)
{
    return result == 0 || result == -11 || result == -13;
}

// label + name with trailing blanks removed, then the rest.
CString NamedMessage(UINT label, const char* name, LPCSTR rest)
{
    CString message = LoadPageString(label);
    message += name;
    message.TrimRight(' ');
    message += rest;
    return message;
}

// What the page shows for a position whose check failed; name is the position's name as
// the load data library reads it from the file the check names.
CString CheckMessage(short result, const char* name)
{
    switch (result) {
    case -2:
        return LoadPageString(IDS_CHECK_NO_LOADS);
    case -3:
        return NamedMessage(IDS_CHECK_LOADS_DAMAGED, name,
                            CString(LoadPageString(IDS_CHECK_LOADS_DAMAGED_END)));
    case -4:
        return NamedMessage(IDS_CHECK_TRANSFERS_DAMAGED_IN, name, ".");
    case -5:
        return LoadPageString(IDS_CHECK_NOT_IN_PLAN);
    case -10:
        return NamedMessage(IDS_CHECK_SOURCE_MISSING, name, ".");
    case -12:
        return NamedMessage(IDS_CHECK_CYCLE, name, CString(LoadPageString(IDS_CHECK_CYCLE_END)));
    default:
        return LoadPageString(IDS_CHECK_NOT_POSITION);
    }
}

// The message of a failed check, with the name of the position the check is about.
CString FailedPositionMessage(short result, const char* checkedFile)
{
    char name[MAX_PATH] = "";
    char programCode[6];
    char field21[21];
    char field76[76];
    if (Get_Position_Name(checkedFile, name, programCode, field21, field76) <= 0)
        name[0] = '\0';
    return CheckMessage(result, name);
}

// The progress message from the resources that hold the page's texts: the running
// export's language library, or the one a hosted page holds (without it the message is
// not shown).
std::unique_ptr<CInitMessage> ShowInitMessage(CWnd* pPage, bool bStandalone)
{
    const HINSTANCE hPrevious = AfxGetResourceHandle();
    if (!bStandalone) {
        const HINSTANCE hLanguage = HostedPageLanguage();
        AfxSetResourceHandle(hLanguage ? hLanguage : AfxGetInstanceHandle());
    }
    auto message = std::make_unique<CInitMessage>(pPage);
    AfxSetResourceHandle(hPrevious);
    return message;
}
} // namespace

BOOL CMyPropertyPage2::OnSetActive()
{
    const std::unique_ptr<CInitMessage> initMessage = ShowInitMessage(this, m_bStandalone != 0);
    std::unique_ptr<CWaitCursor> waitCursor;
    if (!m_bStandalone)
        waitCursor = std::make_unique<CWaitCursor>();
    // The tree meets a position once for every way its loads travel down: each transfer
    // file is read once in this activation, and the whole tree is built from what it reads.
    const TreeSourceCache sources;

    ShownTree tree;
    int nPositions = 0;
    int nLoaded = 0;
    const int nCount = static_cast<int>(m_positionNames.GetSize());
    if (!m_strPrjName.IsEmpty() && nCount > 0 && nCount == m_positionFiles.GetSize()) {
        const int nRoot = tree.Add(m_strPrjName, ShownTree::kTop, tree.Keep(" "), ShownTree::kNone);
        for (int i = 0; i < nCount; ++i) {
            ++nPositions;
            const CString& file = m_positionFiles[i];
            char checkedFile[MAX_PATH] = "";
            char secondFile[MAX_PATH] = "";
            const short result = static_cast<short>(CheckTree(file, checkedFile, secondFile));
            if (CanBeShown(result)) {
                ++nLoaded;
                PageInternals::MakeLoadTreeBelow(
                    tree, file, tree.Add(m_positionNames[i], nRoot, file, ShownTree::kNone));
            } else {
                tree.Add(tree.Keep(m_positionNames[i] + LoadPageString(IDS_PAGE_NOT_LOADED)), nRoot,
                         file, tree.Keep(FailedPositionMessage(result, checkedFile)));
            }
        }
    }
    PageInternals::ShowTree(*this, tree);
    if (nLoaded < nPositions)
        PostMessage(WM_LOADING_NOT_CORRECT, 0, 0);
    return CPropertyPage::OnSetActive();
}
