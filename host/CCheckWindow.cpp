#include "host/CCheckWindow.h"

#include "entry/LanguageLibrary.h"
#include "framework/CDataExchange.h"
#include "host/HostResources.h"
#include "host/HostTexts.h"
#include "host/ProjectUpdate.h"
#include "loaddata/SuiteEnvironment.h"
#include "model/LoadDataInterface.h"
#include "model/TransferNumber.h"
#include "resources/ResourceIds.h"

#include <commctrl.h>

#include <cstdio>

namespace host
{

namespace
{

// What a finding's last column says, by its state.
CString changeText(const LoadPathFinding& finding)
{
    static const HostText states[] = {
        kTextAllCurrent,    kTextAllCurrent,       kTextNoLongerFits,   kTextSourceMissing,
        kTextSourceDamaged, kTextTransfersDamaged, kTextLoadDataDamaged};
    if (finding.state == kPathStale) {
        char text[40];
        std::snprintf(text, sizeof text, "%.6g", finding.largestChange);
        return text;
    }
    return finding.state > kPathStale && finding.state <= kPathLoadDataDamaged
               ? hostText(states[finding.state])
               : CString();
}

CString languageString(HINSTANCE library, UINT id)
{
    char text[64] = "";
    if (library != nullptr)
        LoadStringA(library, id, text, sizeof text);
    return text;
}

} // namespace

BEGIN_MESSAGE_MAP(CCheckWindow, CDialog)
ON_BN_CLICKED(IDC_CHECK_UPDATE, OnUpdateAll)
END_MESSAGE_MAP()

CCheckWindow::CCheckWindow(HostProject& project, CWnd* parent)
    : CDialog(IDD_HOST_CHECK, parent), m_project(project)
{
    // Transfers are named as the editor names them.
    const LanguageLibrary language;
    m_prefixPlus = languageString(language.Handle(), IDS_PREFIX_PLUS);
    m_prefixMinus = languageString(language.Handle(), IDS_PREFIX_MINUS);
}

void CCheckWindow::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_CHECK_STALE, m_findings);
    DDX_Control(pDX, IDC_CHECK_ORDER, m_order);
}

BOOL CCheckWindow::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(hostText(kTextCheckCaption, m_project.name().c_str()));
    SetDlgItemText(IDC_CHECK_ORDER_LABEL, hostText(kTextOrder));
    SetDlgItemText(IDC_CHECK_UPDATE, hostText(kTextUpdateAll));
    SetDlgItemText(IDCANCEL, hostText(kTextCloseWindow));
    m_findings.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    const HostText columns[] = {kTextColumnPosition, kTextColumnSource, kTextColumnTransfer,
                                kTextColumnChange};
    const int widths[] = {150, 150, 100, 170};
    for (int c = 0; c < 4; ++c)
        m_findings.InsertColumn(c, hostText(columns[c]), LVCFMT_LEFT, widths[c]);
    Refresh();
    return TRUE;
}

void CCheckWindow::Refresh()
{
    m_checkResult = checkLoadPath(m_project.directory(), m_check);
    ShowFindings();
    ShowOrder();
    SendDlgItemMessage(IDC_CHECK_PROGRESS, PBM_SETPOS, 0);
    CString summary;
    if (m_checkResult != 0)
        summary = hostText(kTextCheckFailed, std::to_string(m_checkResult).c_str());
    else if (m_check.findings.empty() && m_check.cycles.empty())
        summary = hostText(kTextAllCurrent);
    else
        summary = hostText(kTextStaleSummary, std::to_string(m_check.staleCount()).c_str(),
                           std::to_string(m_check.order.size()).c_str());
    SetDlgItemText(IDC_CHECK_SUMMARY, summary);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CHECK_UPDATE), !m_check.order.empty());
}

void CCheckWindow::ShowFindings()
{
    m_findings.DeleteAllItems();
    for (const LoadPathFinding& finding : m_check.findings) {
        const int row = m_findings.InsertItem(m_findings.GetItemCount(), NameOf(finding.receiver));
        m_findings.SetItemText(row, 1, finding.source.empty() ? CString() : NameOf(finding.source));
        m_findings.SetItemText(
            row, 2, finding.source.empty() ? CString() : TransferName(finding.transferNumber));
        m_findings.SetItemText(row, 3, changeText(finding));
    }
}

void CCheckWindow::ShowOrder()
{
    m_order.ResetContent();
    for (std::size_t k = 0; k < m_check.order.size(); ++k)
        m_order.AddString(
            (std::to_string(k + 1) + ". " + std::string(NameOf(m_check.order[k]))).c_str());
    for (const auto& cycle : m_check.cycles) {
        std::string names;
        for (const std::string& file : cycle)
            names += (names.empty() ? "" : ", ") + std::string(NameOf(file));
        m_order.AddString(hostText(kTextCycle, names.c_str()));
    }
}

CString CCheckWindow::NameOf(const std::string& file) const
{
    const int index = m_project.find(file);
    if (index >= 0)
        return m_project.positions()[index].name.c_str();
    char name[260] = "";
    if (file.size() < sizeof name &&
        Get_Position_Name(file.c_str(), name, nullptr, nullptr, nullptr) > 0)
        return name;
    return loaddata::fileNameOf(file).c_str();
}

CString CCheckWindow::TransferName(int number) const
{
    return ::TransferName(number, m_prefixPlus, m_prefixMinus);
}

bool CCheckWindow::CancelPressed()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return true;
        }
        if (!IsDialogMessageA(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return m_cancelled;
}

void CCheckWindow::OnUpdateAll()
{
    const std::vector<std::string> order = m_check.order;
    m_updating = true;
    m_cancelled = false;
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CHECK_UPDATE), FALSE);
    SendDlgItemMessage(IDC_CHECK_PROGRESS, PBM_SETRANGE32, 0, static_cast<LPARAM>(order.size()));
    SetDlgItemText(IDC_CHECK_SUMMARY, hostText(kTextUpdating, NameOf(order.front())));
    const auto next = [&](std::size_t done) {
        SendDlgItemMessage(IDC_CHECK_PROGRESS, PBM_SETPOS, done);
        if (CancelPressed())
            return false;
        SetDlgItemText(IDC_CHECK_SUMMARY, hostText(kTextUpdating, NameOf(order[done])));
        return true;
    };
    std::string failed, failure;
    const std::size_t done = updateInOrder(m_project, order, next, failed, failure);
    m_updating = false;
    Refresh();
    if (!failure.empty())
        SetDlgItemText(IDC_CHECK_SUMMARY,
                       hostText(kTextUpdateFailed, failed.c_str(), failure.c_str()));
    else if (done < order.size())
        SetDlgItemText(IDC_CHECK_SUMMARY,
                       hostText(kTextUpdateCancelled, std::to_string(done).c_str()));
}

void CCheckWindow::OnCancel()
{
    if (m_updating)
        m_cancelled = true;
    else
        CDialog::OnCancel();
}

} // namespace host
