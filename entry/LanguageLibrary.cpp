#include "entry/LanguageLibrary.h"

#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"

#include <cctype>
#include <cstring>
#include <string>

namespace
{
constexpr DWORD kNameSize = MAX_PATH;

// Appends text, cutting it off where it would not fit (the name then fails to load
// rather than overrunning the buffer).
void Append(char* name, const char* text)
{
    const size_t used = std::strlen(name);
    std::strncat(name, text, kNameSize - 1 - used);
}

void AppendLowerCase(char* name, const char* text)
{
    char lower[kNameSize];
    size_t i = 0;
    for (; text[i] && i + 1 < sizeof lower; ++i)
        lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    lower[i] = '\0';
    Append(name, lower);
}
} // namespace

void ComposeLanguageLibraryName(char* name)
{
    name[0] = '\0';
    KVSettingsKey key;
    if (key.OpenSettings() != ERROR_SUCCESS) {
        Append(name, "kesvar_deu");
    } else {
        char value[kNameSize];
        DWORD size = sizeof value;
        if (key.QueryString(value, settings::kProgramPath, &size) == ERROR_SUCCESS) {
            Append(name, value);
            Append(name, "\\kesvar_");
        } else {
            Append(name, "kesvar_");
        }
        size = sizeof value;
        if (key.QueryString(value, settings::kLanguage, &size) == ERROR_SUCCESS)
            AppendLowerCase(name, value);
        else
            Append(name, "deu");
        key.Close();
    }
    Append(name, ".dll");
}

LanguageLibrary::LanguageLibrary()
{
    ComposeLanguageLibraryName(m_name);
    m_hLibrary = LoadLibraryA(m_name);
}

void LanguageLibrary::ReportMissing(HWND owner) const
{
    std::string text = "Die Sprachbibliothek \"";
    text += m_name;
    text += "\" fehlt oder ist besch\xE4"
            "digt.\n\nThe language library \"";
    text += m_name;
    text += "\" is missing or damaged.";
    MessageBoxA(owner, text.c_str(), "Kesvar", MB_OK | MB_ICONERROR);
}

LanguageLibrary::~LanguageLibrary()
{
    if (m_hLibrary)
        FreeLibrary(m_hLibrary);
}
