// Checks both language libraries against the resource lists of resources/: every string,
// template, control, bitmap, icon and cursor the module loads by number, in the form the
// module relies on, and the same numbers in both languages.
#include "kv_version.h"
#include "resources/ResourceList.h"
#include "tests/lang/DialogTemplate.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <cwctype>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace
{

using kvtest::DialogTemplate;

// Loads a library for one test and frees it afterwards.
class Library
{
  public:
    explicit Library(const std::string& file, DWORD flags = 0)
        : m_handle(LoadLibraryExA(file.c_str(), nullptr, flags))
    {
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    ~Library()
    {
        if (m_handle)
            FreeLibrary(m_handle);
    }
    HMODULE get() const { return m_handle; }

  private:
    HMODULE m_handle;
};

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
    if (!data)
        return {};
    return std::vector<unsigned char>(data, data + SizeofResource(module, found));
}

std::optional<DialogTemplate> loadTemplate(HMODULE module, int id)
{
    const std::vector<unsigned char> bytes = resourceBytes(module, id, RT_DIALOG);
    if (bytes.empty())
        return std::nullopt;
    return kvtest::parseDialogTemplate(bytes.data(), bytes.size());
}

bool sameClass(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Checks that a parsed template holds every control of its list, with class and style.
void expectControls(const DialogTemplate& dialog, const kvres::TemplateSpec& expected)
{
    EXPECT_EQ(dialog.style & expected.styleMask, expected.styleValue) << "template " << expected.id;
    for (std::size_t i = 0; i < expected.controlCount; ++i) {
        const kvres::ControlSpec& want = expected.controls[i];
        int found = 0;
        for (const kvtest::DialogControl& control : dialog.controls) {
            if (control.id != static_cast<DWORD>(want.id))
                continue;
            ++found;
            EXPECT_TRUE(sameClass(control.className, want.windowClass))
                << "template " << expected.id << " control " << want.id << " is "
                << control.className;
            EXPECT_EQ(control.style & want.styleMask, want.styleValue)
                << "template " << expected.id << " control " << want.id;
        }
        EXPECT_EQ(found, 1) << "template " << expected.id << " control " << want.id;
    }
}

// Controls the Tab key must reach: everything but labels, frames, disabled controls, radio
// buttons after the first of their group (the arrow keys reach them) and read-only text that
// only explains.
bool takesFocus(const kvtest::DialogControl& control)
{
    if (control.style & WS_DISABLED)
        return false;
    if (sameClass(control.className, "Static"))
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

// The mnemonic letters of a template's controls, upper case; "&&" is a literal ampersand.
std::vector<wchar_t> mnemonics(const DialogTemplate& dialog)
{
    std::vector<wchar_t> letters;
    for (const kvtest::DialogControl& control : dialog.controls) {
        const std::wstring& title = control.title;
        for (std::size_t i = 0; i + 1 < title.size(); ++i) {
            if (title[i] != L'&')
                continue;
            if (title[i + 1] != L'&')
                letters.push_back(static_cast<wchar_t>(std::towupper(title[i + 1])));
            ++i;
        }
    }
    return letters;
}

// The version resource of a binary beside the test: the project's version and file name.
void expectProjectVersion(const std::string& file)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
    ASSERT_GT(size, 0u) << file;
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(file.c_str(), 0, size, data.data()));
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
    void SetUp() override { ASSERT_NE(m_library.get(), nullptr) << file(); }
    std::string file() const { return std::string("kesvar_") + GetParam() + ".dll"; }
    HMODULE module() const { return m_library.get(); }

  private:
    Library m_library{file()};
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
        EXPECT_NE(text.find("%1"), std::string::npos) << id;
        EXPECT_NE(text.find("%2"), std::string::npos) << id;
    }
    for (int id : kvres::kCommandIds) {
        const std::string text = loadString(module(), id);
        const std::size_t br = text.find('\n');
        ASSERT_NE(br, std::string::npos) << "command " << id;
        EXPECT_GT(br, 0u) << "command " << id;
        EXPECT_LT(br + 1, text.size()) << "command " << id << " has no tooltip";
    }
}

TEST_P(LanguageLibrary, HoldsEveryTemplateWithTheControlsOfItsDialog)
{
    for (const kvres::TemplateSpec& expected : kvres::kTemplates) {
        const std::optional<DialogTemplate> dialog = loadTemplate(module(), expected.id);
        ASSERT_TRUE(dialog) << "template " << expected.id;
        EXPECT_FALSE(dialog->controls.empty()) << "template " << expected.id;
        expectControls(*dialog, expected);
    }
}

TEST_P(LanguageLibrary, TemplatesCanBeWorkedWithTheKeyboardAlone)
{
    for (const kvres::TemplateSpec& expected : kvres::kTemplates) {
        const std::optional<DialogTemplate> dialog = loadTemplate(module(), expected.id);
        ASSERT_TRUE(dialog) << "template " << expected.id;
        std::set<DWORD> ids;
        for (const kvtest::DialogControl& control : dialog->controls) {
            if (takesFocus(control)) {
                EXPECT_TRUE(control.style & WS_TABSTOP)
                    << "template " << expected.id << " control " << control.id;
            }
            if (control.id != DWORD(-1)) {
                EXPECT_TRUE(ids.insert(control.id).second)
                    << "template " << expected.id << " repeats control " << control.id;
            }
        }
        std::vector<wchar_t> letters = mnemonics(*dialog);
        const std::set<wchar_t> unique(letters.begin(), letters.end());
        EXPECT_EQ(unique.size(), letters.size())
            << "template " << expected.id << " repeats a mnemonic";
    }
}

TEST_P(LanguageLibrary, IdealisationKindsComeAsInitialListData)
{
    const std::vector<unsigned char> bytes =
        resourceBytes(module(), IDD_IDEALISATION, MAKEINTRESOURCEA(KV_RT_DLGINIT));
    ASSERT_FALSE(bytes.empty());
    std::vector<std::string> kinds;
    std::size_t pos = 0;
    for (;;) {
        WORD control = 0;
        ASSERT_LE(pos + 2, bytes.size());
        std::memcpy(&control, &bytes[pos], 2);
        pos += 2;
        if (control == 0)
            break;
        WORD message = 0;
        DWORD count = 0;
        ASSERT_LE(pos + 6, bytes.size());
        std::memcpy(&message, &bytes[pos], 2);
        std::memcpy(&count, &bytes[pos + 2], 4);
        pos += 6;
        EXPECT_EQ(control, IDC_VALUE_LIST);
        EXPECT_EQ(message, KV_DLGINIT_ADDSTRING_CB);
        ASSERT_GE(count, 2u);
        ASSERT_LE(pos + count, bytes.size());
        const std::string text(reinterpret_cast<const char*>(&bytes[pos]), count - 1);
        EXPECT_EQ(bytes[pos + count - 1], 0) << "text without its terminating zero";
        EXPECT_EQ(std::strlen(text.c_str()), text.size()) << "byte count does not fit the text";
        kinds.push_back(text);
        pos += count;
    }
    for (; pos < bytes.size(); ++pos)
        EXPECT_EQ(bytes[pos], 0);
    EXPECT_EQ(kinds.size(), std::size_t(kvres::kIdealisationKinds));
}

TEST_P(LanguageLibrary, HoldsToolbarBitmapIconsAndSplitCursor)
{
    HBITMAP toolbar = LoadBitmapA(module(), MAKEINTRESOURCEA(IDB_TOOLBAR));
    ASSERT_NE(toolbar, nullptr);
    BITMAP info = {};
    ASSERT_TRUE(GetObjectA(toolbar, sizeof info, &info));
    EXPECT_EQ(info.bmWidth, KV_TOOLBAR_IMAGES * KV_TOOLBAR_IMAGE_SIZE);
    EXPECT_EQ(info.bmHeight, KV_TOOLBAR_IMAGE_SIZE);
    DeleteObject(toolbar);

    for (int id : {IDI_TRANSFER_PLUS, IDI_TRANSFER_MINUS}) {
        HANDLE icon = LoadImageA(module(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0);
        EXPECT_NE(icon, nullptr) << "icon " << id;
        if (icon)
            DestroyIcon(static_cast<HICON>(icon));
    }
    HCURSOR cursor = LoadCursorA(module(), MAKEINTRESOURCEA(IDC_SPLITBAR_CURSOR));
    ASSERT_NE(cursor, nullptr);
    ICONINFO cursorInfo = {};
    ASSERT_TRUE(GetIconInfo(cursor, &cursorInfo));
    EXPECT_FALSE(cursorInfo.fIcon);
    // The hot spot lies on the bar in the middle of the cursor.
    EXPECT_EQ(cursorInfo.xHotspot, 16u);
    EXPECT_EQ(cursorInfo.yHotspot, 15u);
    DeleteObject(cursorInfo.hbmMask);
    if (cursorInfo.hbmColor)
        DeleteObject(cursorInfo.hbmColor);
}

TEST_P(LanguageLibrary, CarriesTheProjectVersion)
{
    expectProjectVersion(file());
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageLibrary, ::testing::Values("deu", "eng"));

std::string resourceKey(LPCSTR name)
{
    return IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name))
                                : std::string(name);
}

// Collects "type/name" of every resource while the library's resources are enumerated.
struct ResourceWalk {
    std::set<std::string> names;
    std::string type;
};

BOOL CALLBACK addName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param)
{
    auto* walk = reinterpret_cast<ResourceWalk*>(param);
    walk->names.insert(walk->type + "/" + resourceKey(name));
    return TRUE;
}

BOOL CALLBACK addType(HMODULE module, LPSTR type, LONG_PTR param)
{
    reinterpret_cast<ResourceWalk*>(param)->type = resourceKey(type);
    EnumResourceNamesA(module, type, addName, param);
    return TRUE;
}

std::set<std::string> resourceNames(HMODULE module)
{
    ResourceWalk walk;
    EnumResourceTypesA(module, addType, reinterpret_cast<LONG_PTR>(&walk));
    return walk.names;
}

TEST(LanguageLibraries, HoldTheSameNumbersInBothLanguages)
{
    Library german("kesvar_deu.dll");
    Library english("kesvar_eng.dll");
    ASSERT_NE(german.get(), nullptr);
    ASSERT_NE(english.get(), nullptr);
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
}

TEST(LanguageLibraries, TextsComeInTheAnsiCodePage)
{
    Library german("kesvar_deu.dll");
    ASSERT_NE(german.get(), nullptr);
    // "Lastübernahmen": the u umlaut is the single byte 0xFC of code page 1252.
    EXPECT_NE(loadString(german.get(), IDS_EDITOR_CAPTION).find('\xFC'), std::string::npos);
    // The negative prefix names the transfer as the page does, with U umlaut 0xDC.
    EXPECT_EQ(loadString(german.get(), IDS_PREFIX_MINUS)[0], '\xDC');
}

TEST(ModuleResources, HoldTheHostedPageTemplateAndTheSplitCursor)
{
    // Read as data: the module's start-up is not part of this test.
    Library module("kesvar.dll", LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module.get(), nullptr);
    const std::optional<DialogTemplate> page = loadTemplate(module.get(), IDD_LOAD_PAGE_HOSTED);
    ASSERT_TRUE(page);
    expectControls(*page, kvres::kHostedPageTemplate);
    EXPECT_NE(FindResourceA(module.get(), MAKEINTRESOURCEA(IDC_SPLITBAR_CURSOR), RT_GROUP_CURSOR),
              nullptr);
    expectProjectVersion("kesvar.dll");
}

} // namespace
