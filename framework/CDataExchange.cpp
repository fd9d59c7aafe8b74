#include "framework/CDataExchange.h"

#include "framework/CUserException.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/ModuleState.h"

#include <cfloat>
#include <cstdlib>

namespace
{
// The framework's own messages; a language library may carry them under these numbers.
const UINT AFX_IDP_PARSE_REAL = 0xF113;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// True when only blanks follow the converted part and something was converted.
bool OnlyBlanksAfter(const char* text, const char* end)
{
    if (end == text)
        return false;
    while (IsBlank(*end))
        ++end;
    return *end == '\0';
}

bool ParseDouble(const char* text, double& value)
{
    char* end = nullptr;
    const double parsed = std::strtod(text, &end);
    if (!OnlyBlanksAfter(text, end))
        return false;
    value = parsed;
    return true;
}

[[noreturn]] void FailWithMessage(CDataExchange* pDX, UINT nIDPrompt, LPCSTR fallback)
{
    CString text;
    if (!text.LoadString(nIDPrompt))
        text = fallback;
    CWinApp* pApp = AfxGetApp();
    ::MessageBoxA(pDX->m_pDlgWnd->m_hWnd, text, pApp ? pApp->m_pszAppName : "",
                  MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}
CString DoubleText(double value)
{
    CString text;
    text.Format("%.*g", DBL_DIG, value);
    return text;
}

// A number in an edit field: shown as text, or parsed back; text that does not parse shows
// the framework's message and fails the exchange.
void ExchangeDouble(CDataExchange* pDX, int nIDC, double& value)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (!hWnd)
        return;
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextA(hWnd, DoubleText(value));
        return;
    }
    CString text;
    CWnd::FromHandle(hWnd)->GetWindowText(text);
    if (!ParseDouble(text, value))
        FailWithMessage(pDX, AFX_IDP_PARSE_REAL, "Please enter a number.");
}
} // namespace

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    m_bEditLastControl = false;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWnd = PrepareCtrl(nIDC);
    m_bEditLastControl = true;
    return hWnd;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl) {
        m_pDlgWnd->SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hWndLastControl), TRUE);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (!rControl.m_hWnd)
        rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (!hWnd)
        return;
    if (pDX->m_bSaveAndValidate)
        CWnd::FromHandle(hWnd)->GetWindowText(value);
    else
        ::SetWindowTextA(hWnd, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    ExchangeDouble(pDX, nIDC, value);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (!hWnd)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from nIDC to the next control with WS_GROUP.
    int index = 0;
    do {
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            ::SendMessageA(hWnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
        hWnd = ::GetWindow(hWnd, GW_HWNDNEXT);
    } while (hWnd && !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_GROUP));
}
