// The language library's name; its loading and release: the editor entry's tests.
#include "entry/LanguageLibrary.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string ComposedName()
{
    char name[MAX_PATH];
    ComposeLanguageLibraryName(name);
    return name;
}
} // namespace

TEST(LanguageLibraryName, FollowsProgramPathAndLanguageWithDefaults)
{
    RegistrySandbox sandbox(kSettingsKeyPath);
    EXPECT_EQ("kesvar_deu.dll", ComposedName()); // no settings key at all
    const std::string longPath(255, 'p'), longLanguage(200, 'L');
    struct Case {
        const char* path;     // not set when null
        const char* language; // a number instead of a text when null
        std::string expected;
    };
    const Case cases[] = {
        {nullptr, "FRA", "kesvar_fra.dll"},
        {"C:\\P", "ENG", "C:\\P\\kesvar_eng.dll"},
        // The path is used as stored, so a trailing backslash doubles the separator.
        {"D:\\Statik\\", nullptr, "D:\\Statik\\\\kesvar_deu.dll"},
        // Cut off at the buffer's end (and then not found) rather than overrun.
        {longPath.c_str(), longLanguage.c_str(), longPath + "\\kes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        if (c.path)
            sandbox.SetString(settings::kProgramPath, c.path);
        if (c.language)
            sandbox.SetString(settings::kLanguage, c.language);
        else
            sandbox.SetNumber(settings::kLanguage, 1);
        EXPECT_EQ(c.expected, ComposedName());
    }
}
