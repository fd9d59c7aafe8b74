#include "host/Installation.h"

#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace host
{

namespace
{

std::string readText(const KVSettingsKey& key, const char* name)
{
    char value[MAX_PATH] = "";
    DWORD size = sizeof value;
    return key.QueryString(value, name, &size) == ERROR_SUCCESS ? std::string(value) : "";
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool fileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::string programFolder()
{
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file(path, length < MAX_PATH ? length : 0);
    const std::size_t slash = file.find_last_of('\\');
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

std::string currentLanguage()
{
    KVSettingsKey key;
    const std::string code =
        key.OpenSettings() == ERROR_SUCCESS ? lower(readText(key, settings::kLanguage)) : "";
    return code.empty() ? kGerman : code;
}

bool setLanguage(const std::string& code)
{
    const std::string value = lower(code);
    if (value != kGerman && value != kEnglish)
        return false;
    KVSettingsKey key;
    return key.OpenSettings() == ERROR_SUCCESS &&
           key.SetString(value.c_str(), settings::kLanguage) == ERROR_SUCCESS;
}

void installDefaults(const std::string& folder)
{
    KVSettingsKey key;
    if (key.OpenSettings() != ERROR_SUCCESS)
        return;
    const std::string path = readText(key, settings::kProgramPath);
    if (path.empty() || !fileExists(path + "\\kesvar_" + kGerman + ".dll"))
        key.SetString(folder.c_str(), settings::kProgramPath);
    if (readText(key, settings::kLanguage).empty())
        key.SetString(kGerman, settings::kLanguage);
}

} // namespace host
