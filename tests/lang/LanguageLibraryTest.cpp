// Checks both language libraries against the resource lists of resources/: every string,
// template, control, bitmap, icon and cursor the module loads by number, in the form the
// module relies on, and the same numbers in both languages.
#include "kv_version.h"
#include "resources/ResourceList.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <cwctype>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace
{

// A library loaded for one test and freed afterwards.
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)>;
Library Load(const std::string& file, DWORD flags = 0)
{
    return Library(LoadLibraryExA(file.c_str(), nullptr, flags), &FreeLibrary);
}

std::string loadString(HMODULE module, int id)
{
    char buffer[1024] = "";
    const int length = LoadStringA(module, static_cast<UINT>(id), buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::vector<unsigned char> resourceBytes(HMODULE module, int id, LPCSTR type)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* data = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
    return data ? std::vector<unsigned char>(data, data + SizeofResource(module, found))
                : std::vector<unsigned char>();
}

struct Control {
    int id;
    DWORD style;
    std::string className;
    std::string title;
};

struct Dialog {
    DWORD style;
    std::vector<Control> controls;
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The dialog of a template as the system creates it (hidden, in a hidden parent): its style
// and its controls in template order.
std::optional<Dialog> loadTemplate(HMODULE module, int id)
{
    static const HWND parent = [] {
        InitCommonControls();
        return CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                             nullptr);
    }();
    HWND dialog = CreateDialogParamA(module, MAKEINTRESOURCEA(id), parent, &PlainDialogProc, 0);
    if (!dialog)
        return std::nullopt;
    Dialog result{static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), {}};
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char name[64] = "", title[256] = "";
        GetClassNameA(c, name, sizeof name);
        GetWindowTextA(c, title, sizeof title);
        result.controls.push_back(
            {GetDlgCtrlID(c), static_cast<DWORD>(GetWindowLongA(c, GWL_STYLE)), name, title});
    }
    DestroyWindow(dialog);
    return result;
}

bool sameClass(const std::string& a, const char* b)
{
    return lstrcmpiA(a.c_str(), b) == 0;
}

// Checks that a dialog holds every control of its list once, with class and style.
void expectControls(const Dialog& dialog, const kvres::TemplateSpec& expected)
{
    EXPECT_EQ(dialog.style & expected.styleMask, expected.styleValue);
    for (const kvres::ControlSpec& want : std::vector<kvres::ControlSpec>(
             expected.controls, expected.controls + expected.controlCount)) {
        SCOPED_TRACE("control " + std::to_string(want.id));
        int found = 0;
        for (const Control& control : dialog.controls) {
            if (control.id != want.id)
                continue;
            ++found;
            EXPECT_TRUE(sameClass(control.className, want.windowClass)) << control.className;
            EXPECT_EQ(control.style & want.styleMask, want.styleValue);
        }
        EXPECT_EQ(found, 1);
    }
}

// Controls the Tab key must reach: everything but labels, frames, disabled controls, radio
// buttons after the first of their group (the arrow keys reach them) and read-only text that
// only explains.
bool takesFocus(const Control& control)
{
    if ((control.style & WS_DISABLED) || sameClass(control.className, "Static"))
        return false;
    if (sameClass(control.className, "Button")) {
        const DWORD type = control.style & 0xF;
        const bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
        return type != BS_GROUPBOX && (!radio || (control.style & WS_GROUP));
    }
    if (sameClass(control.className, "Edit"))
        return !(control.style & ES_READONLY) || !(control.style & ES_MULTILINE) ||
               (control.style & WS_VSCROLL);
    return true;
}

// The version resource of a binary beside the test: the project's version and file name.
void expectProjectVersion(const std::string& file)
{
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(file.c_str(), &ignored));
    ASSERT_TRUE(GetFileVersionInfoA(file.c_str(), 0, DWORD(data.size()), data.data())) << file;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD(MAKELONG(KV_VERSION_MINOR, KV_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileVersionLS, DWORD(MAKELONG(0, KV_VERSION_PATCH)));
    char* name = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904E4\\OriginalFilename",
                               reinterpret_cast<void**>(&name), &length));
    EXPECT_STREQ(name, file.c_str());
}

class LanguageLibrary : public ::testing::TestWithParam<const char*>
{
  protected:
    void SetUp() override { ASSERT_NE(module(), nullptr) << file(); }
    std::string file() const { return std::string("kesvar_") + GetParam() + ".dll"; }
    HMODULE module() const { return m_library.get(); }

  private:
    Library m_library = Load(file());
};

TEST_P(LanguageLibrary, HoldsEveryStringInTheFormItsUsersNeed)
{
    for (int id : kvres::kStringIds)
        EXPECT_FALSE(loadString(module(), id).empty()) << "string " << id;
    // The page loads its strings into a 50-byte buffer.
    for (int id = IDS_CHECK_NOT_POSITION; id <= IDS_PAGE_PRINT_FAILED; ++id)
        EXPECT_LE(loadString(module(), id).size(), std::size_t(KV_PAGE_STRING_MAX)) << id;
    // A transfer's number is read back from its name behind a two-character prefix.
    EXPECT_EQ(loadString(module(), IDS_PREFIX_PLUS).size(), 2u);
    EXPECT_EQ(loadString(module(), IDS_PREFIX_MINUS).size(), 2u);
    for (int id : {IDS_ASSIGN_TEXT, IDS_SHARE_TEXT, IDS_OWN_SYSTEM, IDS_ITEM_SYSTEM}) {
        const std::string text = loadString(module(), id);
        EXPECT_TRUE(text.find("%1") != text.npos && text.find("%2") != text.npos) << id;
    }
    // A command's text, a line break, its tooltip.
    for (int id : kvres::kCommandIds) {
        const std::string text = loadString(module(), id);
        const std::size_t br = text.find('\n');
        EXPECT_TRUE(br != text.npos && br > 0 && br + 1 < text.size()) << "command " << id;
    }
}

// Each template holds the controls of its dialog, each once; the Tab key reaches every
// control that takes input, and no mnemonic letter is used twice.
TEST_P(LanguageLibrary, HoldsEveryTemplateWorkableWithTheKeyboardAlone)
{
    for (const kvres::TemplateSpec& expected : kvres::kTemplates) {
        SCOPED_TRACE("template " + std::to_string(expected.id));
        const std::optional<Dialog> dialog = loadTemplate(module(), expected.id);
        ASSERT_TRUE(dialog);
        EXPECT_FALSE(dialog->controls.empty());
        expectControls(*dialog, expected);
        std::set<int> ids;
        std::multiset<wchar_t> letters;
        for (const Control& control : dialog->controls) {
            EXPECT_TRUE(!takesFocus(control) || (control.style & WS_TABSTOP)) << control.id;
            if (control.id != -1 && control.id != 0xFFFF) {
                EXPECT_TRUE(ids.insert(control.id).second) << "repeated: " << control.id;
            }
            const std::size_t at = control.title.find('&'); // "&&" is a literal ampersand
            if (at != std::string::npos && at + 1 < control.title.size() &&
                control.title[at + 1] != '&')
                letters.insert(std::towupper(static_cast<unsigned char>(control.title[at + 1])));
        }
        EXPECT_EQ(std::set<wchar_t>(letters.begin(), letters.end()).size(), letters.size())
            << "a mnemonic is used twice";
    }
}

TEST_P(LanguageLibrary, IdealisationKindsComeAsInitialListData)
{
    const std::vector<unsigned char> bytes =
        resourceBytes(module(), IDD_IDEALISATION, MAKEINTRESOURCEA(KV_RT_DLGINIT));
    // Entries of control, message, byte count and text with its zero; a zero control ends.
    std::size_t pos = 0, kinds = 0;
    const auto take = [&](std::size_t size) {
        DWORD value = 0;
        if (pos + size <= bytes.size())
            std::memcpy(&value, &bytes[pos], size);
        pos += size;
        return value;
    };
    while (pos + 2 <= bytes.size() && take(2) == IDC_VALUE_LIST) {
        EXPECT_EQ(take(2), DWORD(KV_DLGINIT_ADDSTRING_CB));
        const DWORD count = take(4);
        ASSERT_TRUE(count >= 2 && pos + count <= bytes.size());
        EXPECT_EQ(std::strlen(reinterpret_cast<const char*>(&bytes[pos])), count - 1)
            << "the byte count does not fit the text and its zero";
        pos += count;
        ++kinds;
    }
    EXPECT_EQ(kinds, std::size_t(kvres::kIdealisationKinds));
}

TEST_P(LanguageLibrary, HoldsToolbarBitmapIconsAndSplitCursor)
{
    HBITMAP toolbar = LoadBitmapA(module(), MAKEINTRESOURCEA(IDB_TOOLBAR));
    BITMAP info = {};
    ASSERT_TRUE(GetObjectA(toolbar, sizeof info, &info));
    EXPECT_EQ(info.bmWidth, KV_TOOLBAR_IMAGES * KV_TOOLBAR_IMAGE_SIZE);
    EXPECT_EQ(info.bmHeight, KV_TOOLBAR_IMAGE_SIZE);
    DeleteObject(toolbar);
    for (int id : {IDI_TRANSFER_PLUS, IDI_TRANSFER_MINUS}) {
        HANDLE icon = LoadImageA(module(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0);
        EXPECT_NE(icon, nullptr) << "icon " << id;
        DestroyIcon(static_cast<HICON>(icon));
    }
    HCURSOR cursor = LoadCursorA(module(), MAKEINTRESOURCEA(IDC_SPLITBAR_CURSOR));
    ICONINFO cursorInfo = {};
    ASSERT_TRUE(GetIconInfo(cursor, &cursorInfo));
    EXPECT_FALSE(cursorInfo.fIcon);
    // The hot spot lies on the bar in the middle of the cursor.
    EXPECT_EQ(cursorInfo.xHotspot, 16u);
    EXPECT_EQ(cursorInfo.yHotspot, 15u);
    DeleteObject(cursorInfo.hbmMask);
    DeleteObject(cursorInfo.hbmColor);
}

TEST_P(LanguageLibrary, CarriesTheProjectVersion)
{
    expectProjectVersion(file());
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageLibrary, ::testing::Values("deu", "eng"));

// Every "type/name" of a library's resources.
struct ResourceWalk {
    std::set<std::string> names;
    std::string type;
};

std::string resourceKey(LPCSTR name)
{
    return IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name))
                                : std::string(name);
}

BOOL CALLBACK addName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param)
{
    auto* walk = reinterpret_cast<ResourceWalk*>(param);
    walk->names.insert(walk->type + "/" + resourceKey(name));
    return TRUE;
}

BOOL CALLBACK addType(HMODULE module, LPSTR type, LONG_PTR param)
{
    reinterpret_cast<ResourceWalk*>(param)->type = resourceKey(type);
    EnumResourceNamesA(module, type, &addName, param);
    return TRUE;
}

std::set<std::string> resourceNames(HMODULE module)
{
    ResourceWalk walk;
    EnumResourceTypesA(module, &addType, reinterpret_cast<LONG_PTR>(&walk));
    return walk.names;
}

TEST(LanguageLibraries, HoldTheSameNumbersInBothLanguagesInTheAnsiCodePage)
{
    const Library german = Load("kesvar_deu.dll"), english = Load("kesvar_eng.dll");
    ASSERT_TRUE(german && english);
    EXPECT_EQ(resourceNames(german.get()), resourceNames(english.get()));
    // A string block holds 16 numbers; compare them one by one.
    for (const std::string& name : resourceNames(german.get())) {
        if (name.rfind("#6/#", 0) != 0)
            continue;
        const int block = std::stoi(name.substr(4));
        for (int id = (block - 1) * 16; id < block * 16; ++id)
            EXPECT_EQ(loadString(german.get(), id).empty(), loadString(english.get(), id).empty())
                << "string " << id;
    }
    // "Lastübernahmen": the u umlaut is the single byte 0xFC of code page 1252; the negative
    // prefix names the transfer as the page does, with U umlaut 0xDC.
    EXPECT_NE(loadString(german.get(), IDS_EDITOR_CAPTION).find('\xFC'), std::string::npos);
    EXPECT_EQ(loadString(german.get(), IDS_PREFIX_MINUS)[0], '\xDC');
}

TEST(ModuleResources, HoldTheHostedPageTemplateAndTheSplitCursor)
{
    // Read as data: the module's start-up is not part of this test.
    const Library module = Load("kesvar.dll", LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(module);
    const std::optional<Dialog> page = loadTemplate(module.get(), IDD_LOAD_PAGE_HOSTED);
    ASSERT_TRUE(page);
    expectControls(*page, kvres::kHostedPageTemplate);
    EXPECT_NE(FindResourceA(module.get(), MAKEINTRESOURCEA(IDC_SPLITBAR_CURSOR), RT_GROUP_CURSOR),
              nullptr);
    expectProjectVersion("kesvar.dll");
}

} // namespace
