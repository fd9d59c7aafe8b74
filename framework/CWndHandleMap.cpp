// The handle maps: permanent objects (they own or subclass a window, or were attached to
// one) and temporary ones for windows that are only looked at.
#include "framework/CWnd.h"

#include <map>
#include <memory>

namespace
{
// Set on every window that has a permanent object, so that the modal loop of any module
// finds the object (each module's framework copy has its own map).
const char kObjectProperty[] = "KvFrameworkWnd";

std::map<HWND, CWnd*>& PermanentMap()
{
    static std::map<HWND, CWnd*> map;
    return map;
}

std::map<HWND, std::unique_ptr<CWnd>>& TemporaryMap()
{
    static std::map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}
} // namespace

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto& map = PermanentMap();
    auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    if (CWnd* permanent = FromHandlePermanent(hWnd))
        return permanent;
    std::unique_ptr<CWnd>& temporary = TemporaryMap()[hWnd];
    if (!temporary) {
        temporary = std::make_unique<CWnd>();
        temporary->m_hWnd = hWnd;
    }
    return temporary.get();
}

CWnd* CWnd::FromHandleAnyModule(HWND hWnd)
{
    return static_cast<CWnd*>(::GetPropA(hWnd, kObjectProperty));
}

void AfxDeleteTempMap()
{
    auto& map = TemporaryMap();
    for (auto it = map.begin(); it != map.end();) {
        if (::IsWindow(it->first)) {
            ++it;
        } else {
            it->second->m_hWnd = nullptr;
            it = map.erase(it);
        }
    }
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (!hWndNew || m_hWnd || FromHandlePermanent(hWndNew))
        return FALSE;
    m_hWnd = hWndNew;
    PermanentMap()[hWndNew] = this;
    // A window that another module's object already owns (the host's) keeps that object.
    if (!::GetPropA(hWndNew, kObjectProperty))
        ::SetPropA(hWndNew, kObjectProperty, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd) {
        auto& map = PermanentMap();
        auto it = map.find(hWnd);
        if (it != map.end() && it->second == this)
            map.erase(it);
        if (::GetPropA(hWnd, kObjectProperty) == this)
            ::RemovePropA(hWnd, kObjectProperty);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : nullptr;
    return hWndControl && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper && m_hWnd)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

CWnd::~CWnd()
{
    if (m_hWnd && m_pfnSuper)
        ::DestroyWindow(m_hWnd);
    if (m_hWnd)
        UnsubclassWindow();
}
