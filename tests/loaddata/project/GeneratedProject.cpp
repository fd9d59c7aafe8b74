#include "GeneratedProject.h"

#include "loaddata/SuiteEnvironment.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <utility>
#include <windows.h>

namespace
{

std::string freshFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int serial = 0;
    return std::string(temp) + "kvproject" + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(++serial);
}

bool readIniRoot(std::string& root)
{
    char value[256];
    GetPrivateProfileStringA(loaddata::kIniSection, loaddata::kIniProgramRoot, "\x01", value,
                             sizeof value, loaddata::kIniFile);
    root = value;
    return root != "\x01";
}

} // namespace

GeneratedProject::GeneratedProject(const kvdata::BuildingSize& size)
    : GeneratedProject(kvdata::makeBuilding(size))
{
}

GeneratedProject::GeneratedProject(kvdata::Building building)
    : m_building(std::move(building)), m_folders(kvdata::foldersOf(freshFolder()))
{
    m_hadRoot = readIniRoot(m_oldRoot);
    m_oldFemPath = loaddata::femProjectDirectory();
    m_hadFemPath = !m_oldFemPath.empty();
    std::string error;
    m_written =
        kvdata::writeProject(m_building, m_folders, error) && kvdata::registerProject(m_folders);
    EXPECT_TRUE(m_written) << error;
}

GeneratedProject::~GeneratedProject()
{
    WritePrivateProfileStringA(loaddata::kIniSection, loaddata::kIniProgramRoot,
                               m_hadRoot ? m_oldRoot.c_str() : nullptr, loaddata::kIniFile);
    if (m_hadFemPath) {
        loaddata::setFemProjectDirectory(m_oldFemPath.substr(0, m_oldFemPath.size() - 1));
    } else {
        RegDeleteKeyValueA(HKEY_CURRENT_USER, loaddata::kSettingsKey, loaddata::kFemPathValue);
    }
    std::error_code ignored;
    std::filesystem::remove_all(m_folders.root, ignored);
}

const kvdata::Position&
GeneratedProject::position(const std::function<bool(const kvdata::Position&)>& is) const
{
    for (const kvdata::Position& p : m_building.positions)
        if (is(p))
            return p;
    ADD_FAILURE() << "no such position in the generated project";
    return m_building.positions.front();
}

std::string GeneratedProject::loadFile(const kvdata::Position& position) const
{
    return kvdata::loadFilePath(m_folders, position);
}

std::string GeneratedProject::transferFile(const kvdata::Position& position) const
{
    const std::string load = loadFile(position);
    return load.substr(0, load.size() - 3) + "016";
}

void flipByte(const std::string& path, long offset)
{
    std::FILE* f = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(f, nullptr) << path;
    std::fseek(f, offset, SEEK_SET);
    const int c = std::fgetc(f);
    std::fseek(f, offset, SEEK_SET);
    std::fputc(c ^ 0x20, f);
    std::fclose(f);
}

void saveLater(const std::string& path, int hours)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    FILETIME written;
    GetSystemTimeAsFileTime(&written);
    ULARGE_INTEGER t{{written.dwLowDateTime, written.dwHighDateTime}};
    t.QuadPart += 36000000000ull * static_cast<unsigned>(hours);
    written = {t.LowPart, t.HighPart};
    SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
}
