#include "settings/SettingsKey.h"

const char* const kSettingsKeyPath = "Software\\Brelvik\\Kesvaria 1.10";

namespace
{
// A string value counts only with its terminating zero (two for a multi-string),
// so that a value filling the buffer exactly is never read without one.
bool IsTerminatedString(DWORD type, const char* data, DWORD bytes)
{
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        return bytes >= 1 && data[bytes - 1] == '\0';
    case REG_MULTI_SZ:
        return bytes >= 2 && data[bytes - 1] == '\0' && data[bytes - 2] == '\0';
    default:
        return false;
    }
}
} // namespace

KVSettingsKey::~KVSettingsKey()
{
    Close();
}

LONG KVSettingsKey::Create(HKEY parent, const char* path, REGSAM access, DWORD* disposition)
{
    Close();
    HKEY key = nullptr;
    DWORD created = 0;
    const LONG result = RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                        nullptr, &key, &created);
    if (result != ERROR_SUCCESS)
        return result;
    m_hKey = key;
    if (disposition)
        *disposition = created;
    return ERROR_SUCCESS;
}

LONG KVSettingsKey::Close()
{
    if (!m_hKey)
        return ERROR_SUCCESS;
    const LONG result = RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return result;
}

LONG KVSettingsKey::QueryNumber(const char* name, DWORD& value) const
{
    DWORD type = REG_NONE;
    DWORD stored = 0;
    DWORD bytes = sizeof stored;
    const LONG result =
        RegQueryValueExA(m_hKey, name, nullptr, &type, reinterpret_cast<BYTE*>(&stored), &bytes);
    if (type != REG_DWORD || result == ERROR_MORE_DATA || result == ERROR_FILE_NOT_FOUND)
        return ERROR_INVALID_DATA;
    if (result == ERROR_SUCCESS)
        value = stored;
    return result;
}

LONG KVSettingsKey::QueryString(char* buffer, const char* name, DWORD* size) const
{
    if (!buffer || !size || *size == 0)
        return ERROR_INVALID_PARAMETER;
    const DWORD capacity = *size;
    DWORD type = REG_NONE;
    const LONG result =
        RegQueryValueExA(m_hKey, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), size);
    if (result == ERROR_SUCCESS && *size == 0) {
        buffer[0] = '\0';
        return result;
    }
    if (result == ERROR_SUCCESS && *size <= capacity && IsTerminatedString(type, buffer, *size))
        return result;
    buffer[0] = '\0';
    return result == ERROR_MORE_DATA ? result : ERROR_INVALID_DATA;
}

LONG KVSettingsKey::SetNumber(const char* name, DWORD value)
{
    return RegSetValueExA(m_hKey, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value);
}

LONG KVSettingsKey::SetString(const char* value, const char* name)
{
    const DWORD bytes = static_cast<DWORD>(lstrlenA(value) + 1);
    return RegSetValueExA(m_hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes);
}
