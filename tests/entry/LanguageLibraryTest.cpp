#include "entry/LanguageLibrary.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
#include "tests/support/ProgramFolder.h"
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
    EXPECT_EQ("kesvar_deu.dll", ComposedName());

    sandbox.SetString(settings::kLanguage, "FRA");
    EXPECT_EQ("kesvar_fra.dll", ComposedName());

    sandbox.SetString(settings::kProgramPath, "C:\\P");
    EXPECT_EQ("C:\\P\\kesvar_fra.dll", ComposedName());
    sandbox.SetString(settings::kLanguage, "ENG");
    EXPECT_EQ("C:\\P\\kesvar_eng.dll", ComposedName());

    // The path is used as stored, so a trailing backslash doubles the separator.
    sandbox.SetString(settings::kProgramPath, "D:\\Statik\\");
    sandbox.SetNumber(settings::kLanguage, 1);
    EXPECT_EQ("D:\\Statik\\\\kesvar_deu.dll", ComposedName());
}

TEST(LanguageLibraryName, NeverRunsPastTheBuffer)
{
    RegistrySandbox sandbox(kSettingsKeyPath);
    sandbox.SetString(settings::kProgramPath, std::string(255, 'p').c_str());
    sandbox.SetString(settings::kLanguage, std::string(200, 'L').c_str());
    const std::string name = ComposedName();
    EXPECT_EQ(static_cast<size_t>(MAX_PATH - 1), name.size());
    EXPECT_EQ(0u, name.find(std::string(255, 'p') + "\\kes"));
}

TEST(LanguageLibrary, IsLoadedForItsLifetimeOnly)
{
    RegistrySandbox sandbox(kSettingsKeyPath);
    const std::string folder = ProgramFolder();
    const std::string library = folder + "\\kesvar_eng.dll";
    sandbox.SetString(settings::kProgramPath, folder.c_str());
    sandbox.SetString(settings::kLanguage, "ENG");
    {
        LanguageLibrary language;
        EXPECT_NE(nullptr, language.Handle());
        EXPECT_EQ(language.Handle(), GetModuleHandleA(library.c_str()));
    }
    EXPECT_EQ(nullptr, GetModuleHandleA(library.c_str()));

    sandbox.SetString(settings::kLanguage, "xyz");
    LanguageLibrary missing;
    EXPECT_EQ(nullptr, missing.Handle());
}
