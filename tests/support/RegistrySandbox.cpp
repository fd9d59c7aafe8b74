#include "tests/support/RegistrySandbox.h"

#include <cstring>

namespace
{
const char* const kBackupPath = "Software\\KesvarTestBackup";

bool KeyExists(const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void CopyKey(const char* from, const char* to)
{
    HKEY source = nullptr;
    HKEY target = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, from, 0, KEY_READ, &source);
    RegCreateKeyExA(HKEY_CURRENT_USER, to, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target,
                    nullptr);
    RegCopyTreeA(source, nullptr, target);
    RegCloseKey(source);
    RegCloseKey(target);
}

void WriteValue(const char* path, const char* name, DWORD type, const void* data, DWORD bytes)
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), bytes);
    RegCloseKey(key);
}
} // namespace

RegistrySandbox::RegistrySandbox(const char* path) : m_path(path)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, kBackupPath);
    m_hadKey = KeyExists(path);
    if (m_hadKey)
        CopyKey(path, kBackupPath);
    RegDeleteTreeA(HKEY_CURRENT_USER, path);
}

RegistrySandbox::~RegistrySandbox()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, m_path);
    if (m_hadKey)
        CopyKey(kBackupPath, m_path);
    RegDeleteTreeA(HKEY_CURRENT_USER, kBackupPath);
}

void RegistrySandbox::SetRaw(const char* name, DWORD type, const void* data, DWORD bytes)
{
    WriteValue(m_path, name, type, data, bytes);
}

void RegistrySandbox::SetString(const char* name, const char* value)
{
    SetRaw(name, REG_SZ, value, static_cast<DWORD>(std::strlen(value) + 1));
}

void RegistrySandbox::SetNumber(const char* name, DWORD value)
{
    SetRaw(name, REG_DWORD, &value, sizeof value);
}

bool RegistrySandbox::Exists() const
{
    return KeyExists(m_path);
}
