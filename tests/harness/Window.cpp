// Reading and driving one window; everything runs on the user-interface thread.
#include "tests/harness/Harness.h"

#include "framework/CCheckListBox.h"

#include <commctrl.h>

#include <utility>

namespace harness
{
namespace
{
std::string TextOf(HWND hWnd)
{
    const int length = ::GetWindowTextLengthA(hWnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(hWnd, &text[0], length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

std::string ClassOf(HWND hWnd)
{
    char name[64] = "";
    ::GetClassNameA(hWnd, name, sizeof name);
    return name;
}

BOOL CALLBACK FindChildProc(HWND hWnd, LPARAM lParam)
{
    auto* find = reinterpret_cast<std::pair<int, HWND>*>(lParam);
    if (::GetDlgCtrlID(hWnd) != find->first)
        return TRUE;
    find->second = hWnd;
    return FALSE;
}

// The descendant with this control number, or null.
HWND FindControl(HWND parent, int id)
{
    std::pair<int, HWND> find(id, nullptr);
    ::EnumChildWindows(parent, &FindChildProc, reinterpret_cast<LPARAM>(&find));
    return find.second;
}

[[noreturn]] void NoRow(HWND hWnd, int row)
{
    Fail(ClassOf(hWnd) + " " + std::to_string(::GetDlgCtrlID(hWnd)) + " has no row " +
         std::to_string(row));
}

// The message for the window's kind of list: list control, combo box or list box.
UINT ByKind(const std::string& cls, UINT listView, UINT combo, UINT listBox)
{
    return cls == WC_LISTVIEWA ? listView : cls == "ComboBox" ? combo : listBox;
}

template <typename T> T Ui(const std::function<T()>& fn)
{
    T result{};
    OnUi([&] { result = fn(); });
    return result;
}

// The centre of a list box row (or of its check box), scrolled into view.
POINT ListBoxRowPoint(HWND hWnd, int row, bool checkBox)
{
    if (row < 0 || row >= static_cast<int>(::SendMessageA(hWnd, LB_GETCOUNT, 0, 0)))
        NoRow(hWnd, row);
    ::SendMessageA(hWnd, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    RECT r = {};
    ::SendMessageA(hWnd, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    const int height = r.bottom - r.top;
    const int x =
        checkBox ? r.left + height / 2 : r.left + height + (r.right - r.left - height) / 2;
    return POINT{x, r.top + height / 2};
}

POINT ListViewRowPoint(HWND hWnd, int row)
{
    ListView_EnsureVisible(hWnd, row, FALSE);
    RECT r = {};
    r.left = LVIR_LABEL;
    if (!::SendMessageA(hWnd, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&r)))
        NoRow(hWnd, row);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TreeItem ReadTreeItem(HWND hWnd, HTREEITEM handle, int level)
{
    char buffer[1024] = "";
    TVITEMA item = {};
    item.mask = TVIF_TEXT | TVIF_STATE | TVIF_CHILDREN | TVIF_HANDLE;
    item.hItem = handle;
    item.stateMask = TVIS_EXPANDED | TVIS_SELECTED;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    ::SendMessageA(hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return TreeItem{buffer, level, (item.state & TVIS_EXPANDED) != 0,
                    (item.state & TVIS_SELECTED) != 0, item.cChildren != 0};
}

// The items below parent (null: the roots) in display order, children after their item,
// collapsed or not, with their handles.
void WalkTree(HWND hWnd, HTREEITEM parent, int level, std::vector<TreeItem>& items,
              std::vector<HTREEITEM>& handles)
{
    for (HTREEITEM item = TreeView_GetNextItem(hWnd, parent, parent ? TVGN_CHILD : TVGN_ROOT); item;
         item = TreeView_GetNextSibling(hWnd, item)) {
        items.push_back(ReadTreeItem(hWnd, item, level));
        handles.push_back(item);
        WalkTree(hWnd, item, level + 1, items, handles);
    }
}

void PostClick(HWND hWnd, POINT p, bool twice)
{
    const LPARAM at = MAKELPARAM(p.x, p.y);
    ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, at);
    if (twice) {
        ::PostMessageA(hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        ::PostMessageA(hWnd, WM_LBUTTONUP, 0, at);
    }
}

// Sets the key state of the user-interface thread as a real key press would.
void SetKeys(std::initializer_list<UINT> keys, bool down)
{
    BYTE state[256];
    ::GetKeyboardState(state);
    for (UINT vk : keys)
        state[vk] = down ? 0x80 : 0;
    ::SetKeyboardState(state);
}

void PostKey(HWND hWnd, UINT vk, bool ctrl)
{
    const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyA(vk, 0)) << 16;
    if (ctrl)
        OnUi([] { SetKeys({VK_CONTROL, VK_LCONTROL}, true); });
    OnUi([vk] { SetKeys({vk}, true); });
    ::PostMessageA(hWnd, WM_KEYDOWN, vk, scan | 1);
    Sync();
    OnUi([vk] { SetKeys({vk}, false); });
    ::PostMessageA(hWnd, WM_KEYUP, vk, scan | 1 | (3u << 30));
    Sync();
    if (ctrl)
        OnUi([] { SetKeys({VK_CONTROL, VK_LCONTROL}, false); });
}
} // namespace

bool Window::Exists() const
{
    return m_hWnd && ::IsWindow(m_hWnd);
}

bool Window::HasControl(int id) const
{
    return Ui<bool>([&] { return FindControl(m_hWnd, id) != nullptr; });
}

Window Window::Control(int id) const
{
    HWND found = Ui<HWND>([&] { return FindControl(m_hWnd, id); });
    if (!found)
        Fail("no control " + std::to_string(id) + " in window \"" + Text() + "\"");
    return Window(found);
}

std::string Window::Text() const
{
    return Ui<std::string>([&] { return TextOf(m_hWnd); });
}

std::string Window::ClassName() const
{
    return Ui<std::string>([&] { return ClassOf(m_hWnd); });
}

bool Window::IsEnabled() const
{
    return Ui<bool>([&] { return ::IsWindowEnabled(m_hWnd) != FALSE; });
}

bool Window::IsVisible() const
{
    return Ui<bool>([&] { return ::IsWindowVisible(m_hWnd) != FALSE; });
}

int Window::Checked() const
{
    return Ui<int>([&] { return static_cast<int>(::SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); });
}

RECT Window::Rect() const
{
    return Ui<RECT>([&] {
        RECT r = {};
        ::GetWindowRect(m_hWnd, &r);
        return r;
    });
}

bool Window::HasFocus() const
{
    return Ui<bool>([&] { return ::GetFocus() == m_hWnd; });
}

void Window::Click() const
{
    if (!IsEnabled() || !IsVisible())
        Fail("button " + std::to_string(::GetDlgCtrlID(m_hWnd)) + " \"" + Text() +
             "\" cannot be clicked: disabled or hidden");
    ::PostMessageA(m_hWnd, BM_CLICK, 0, 0);
    Sync();
}

void Window::Close() const
{
    ::PostMessageA(m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    Sync();
}

void Window::Focus() const
{
    OnUi([&] { ::SetFocus(m_hWnd); });
}

void Window::Type(const std::string& text) const
{
    // An editable combo box takes text in its edit field.
    HWND field = Ui<HWND>([&] {
        HWND edit = ClassOf(m_hWnd) == "ComboBox"
                        ? ::FindWindowExA(m_hWnd, nullptr, "Edit", nullptr)
                        : nullptr;
        return edit ? edit : m_hWnd;
    });
    OnUi([&] {
        ::SetFocus(field);
        ::SendMessageA(field, EM_SETSEL, 0, -1);
    });
    for (unsigned char c : text)
        ::PostMessageA(field, WM_CHAR, c, 1);
    Sync();
}

void Window::Key(UINT vk, bool ctrl) const
{
    PostKey(m_hWnd, vk, ctrl);
}

int Window::RowCount() const
{
    const UINT message = ByKind(ClassName(), LVM_GETITEMCOUNT, CB_GETCOUNT, LB_GETCOUNT);
    return Ui<int>([&] { return static_cast<int>(::SendMessageA(m_hWnd, message, 0, 0)); });
}

int Window::Selection() const
{
    // The boxes ignore the list control's arguments.
    const UINT message = ByKind(ClassName(), LVM_GETNEXTITEM, CB_GETCURSEL, LB_GETCURSEL);
    return Ui<int>([&] {
        return static_cast<int>(
            ::SendMessageA(m_hWnd, message, static_cast<WPARAM>(-1), LVNI_SELECTED));
    });
}

std::vector<int> Window::SelectedRows() const
{
    const bool listView = ClassName() == WC_LISTVIEWA;
    const int count = RowCount();
    return Ui<std::vector<int>>([&] {
        std::vector<int> rows;
        for (int row = 0; row < count; ++row) {
            const auto at = static_cast<WPARAM>(row);
            if (listView ? ::SendMessageA(m_hWnd, LVM_GETITEMSTATE, at, LVIS_SELECTED) != 0
                         : ::SendMessageA(m_hWnd, LB_GETSEL, at, 0) > 0)
                rows.push_back(row);
        }
        return rows;
    });
}

std::string Window::RowText(int row, int column) const
{
    const std::string cls = ClassName();
    return Ui<std::string>([&] {
        if (cls == WC_LISTVIEWA) {
            char buffer[1024] = "";
            LVITEMA item = {};
            item.iSubItem = column;
            item.pszText = buffer;
            item.cchTextMax = sizeof buffer;
            ::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                           reinterpret_cast<LPARAM>(&item));
            return std::string(buffer);
        }
        const auto at = static_cast<WPARAM>(row);
        const LRESULT length =
            ::SendMessageA(m_hWnd, ByKind(cls, 0, CB_GETLBTEXTLEN, LB_GETTEXTLEN), at, 0);
        if (length < 0)
            NoRow(m_hWnd, row);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        ::SendMessageA(m_hWnd, ByKind(cls, 0, CB_GETLBTEXT, LB_GETTEXT), at,
                       reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
        return text;
    });
}

void Window::SelectRow(int row) const
{
    const std::string cls = ClassName();
    if (row < 0 || row >= RowCount())
        NoRow(m_hWnd, row);
    if (cls == "ComboBox") {
        OnUi([&] {
            ::SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
            const int id = ::GetDlgCtrlID(m_hWnd);
            ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(m_hWnd));
        });
    } else if (cls == WC_LISTVIEWA) {
        OnUi([&] {
            const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
            ListView_SetItemState(m_hWnd, -1, 0, state);
            ListView_SetItemState(m_hWnd, row, state, state);
            ListView_EnsureVisible(m_hWnd, row, FALSE);
        });
    } else {
        const POINT p = Ui<POINT>([&] { return ListBoxRowPoint(m_hWnd, row, false); });
        PostClick(m_hWnd, p, false);
    }
    Sync();
}

void Window::DoubleClickRow(int row) const
{
    const std::string cls = ClassName();
    const POINT p = Ui<POINT>([&] {
        return cls == WC_LISTVIEWA ? ListViewRowPoint(m_hWnd, row)
                                   : ListBoxRowPoint(m_hWnd, row, false);
    });
    PostClick(m_hWnd, p, true);
    Sync();
}

void Window::ClickCheck(int row) const
{
    const POINT p = Ui<POINT>([&] { return ListBoxRowPoint(m_hWnd, row, true); });
    PostClick(m_hWnd, p, false);
    Sync();
}

int Window::RowChecked(int row) const
{
    // The checks live in the framework object of the list box (of whichever module).
    return Ui<int>([&] {
        auto* list = static_cast<CCheckListBox*>(CWnd::FromHandleAnyModule(m_hWnd));
        if (!list || !(::GetWindowLongA(m_hWnd, GWL_STYLE) & LBS_OWNERDRAWFIXED))
            Fail("control " + std::to_string(::GetDlgCtrlID(m_hWnd)) + " is no check list box");
        return list->GetCheck(row);
    });
}

std::vector<TreeItem> Window::TreeItems() const
{
    return Ui<std::vector<TreeItem>>([&] {
        std::vector<TreeItem> items;
        std::vector<HTREEITEM> handles;
        WalkTree(m_hWnd, nullptr, 0, items, handles);
        return items;
    });
}

void Window::SelectTreeItem(const std::string& text) const
{
    OnUi([&] {
        std::vector<TreeItem> items;
        std::vector<HTREEITEM> handles;
        WalkTree(m_hWnd, nullptr, 0, items, handles);
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i].text == text)
                return (void)TreeView_SelectItem(m_hWnd, handles[i]);
        }
        Fail("tree " + std::to_string(::GetDlgCtrlID(m_hWnd)) + " has no item \"" + text + "\"");
    });
    Sync();
}

} // namespace harness
