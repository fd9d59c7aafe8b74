#include "tests/dialogs/LanguageTest.h"

#include "framework/ModuleState.h"

LanguageUnderTest::LanguageUnderTest(const std::string& code)
    : m_library(LoadLibraryA(("kesvar_" + code + ".dll").c_str())),
      m_previous(AfxGetResourceHandle())
{
    EXPECT_NE(nullptr, m_library) << code;
    AfxSetResourceHandle(m_library);
}

LanguageUnderTest::~LanguageUnderTest()
{
    AfxSetResourceHandle(m_previous);
    if (m_library)
        FreeLibrary(m_library);
}

std::string LanguageUnderTest::String(UINT id) const
{
    char text[512] = {};
    LoadStringA(m_library, id, text, sizeof text);
    return text;
}

std::string LanguageUnderTest::Format(UINT id, const std::string& first,
                                      const std::string& second) const
{
    std::string text = String(id);
    text.replace(text.find("%1"), 2, first);
    text.replace(text.find("%2"), 2, second);
    return text;
}

Texts Rows(const harness::Window& list, int column)
{
    Texts rows;
    for (int row = 0; row < list.RowCount(); ++row)
        rows.push_back(list.RowText(row, column));
    return rows;
}

COLORREF FieldBackground(const harness::Window& dialog, int field)
{
    COLORREF colour = CLR_INVALID;
    harness::OnUi([&] {
        HDC dc = CreateCompatibleDC(nullptr);
        SetBkColor(dc, RGB(1, 2, 3));
        const auto brush = HBRUSH(SendMessageA(dialog.Handle(), WM_CTLCOLOREDIT, WPARAM(dc),
                                               LPARAM(dialog.Control(field).Handle())));
        LOGBRUSH logBrush = {};
        if (GetObjectA(brush, sizeof logBrush, &logBrush) && logBrush.lbColor == GetBkColor(dc))
            colour = logBrush.lbColor;
        DeleteDC(dc);
    });
    return colour;
}

INT_PTR RunDialog(CDialog& dialog, int control,
                  const std::function<void(const harness::Window&)>& script)
{
    return harness::RunScripted([&] { return dialog.DoModal(); },
                                [&] { script(harness::WaitForDialog(control)); });
}
