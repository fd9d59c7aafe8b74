// The settings an installation sets up: "ProgramPath" and "Language" under the module's
// settings key (the language switch: HostWindowTest, CommandLineTest).
#include "host/Installation.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

namespace
{

std::string stored(const char* name)
{
    KVSettingsKey key;
    char value[MAX_PATH] = "";
    DWORD size = sizeof value;
    key.OpenSettings();
    return key.QueryString(value, name, &size) == ERROR_SUCCESS ? value : "<missing>";
}

TEST(Installation, DefaultsFillWhatIsMissingAndKeepWhatWorks)
{
    RegistrySandbox sandbox(kSettingsKeyPath);
    EXPECT_EQ(ProgramFolder(), host::programFolder());
    host::installDefaults(ProgramFolder());
    EXPECT_EQ(ProgramFolder(), stored(settings::kProgramPath));
    EXPECT_EQ("deu", stored(settings::kLanguage));

    sandbox.SetString(settings::kLanguage, "eng");
    sandbox.SetString(settings::kProgramPath, "C:\\nowhere");
    host::installDefaults(ProgramFolder());
    EXPECT_EQ(ProgramFolder(), stored(settings::kProgramPath)) << "no libraries there";
    EXPECT_EQ("eng", stored(settings::kLanguage));

    host::installDefaults("C:\\elsewhere");
    EXPECT_EQ(ProgramFolder(), stored(settings::kProgramPath)) << "a folder with the libraries";
}

} // namespace
