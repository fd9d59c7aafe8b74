#pragma once

#include <windows.h>

// The registry key under which the module keeps its settings, below HKEY_CURRENT_USER.
extern const char* const kSettingsKeyPath;

// One open registry key. Every call returns the system's error code (0 = success);
// callers only tell zero from non-zero and fall back to their defaults on failure.
class KVSettingsKey
{
  public:
    KVSettingsKey() = default;
    ~KVSettingsKey();
    KVSettingsKey(const KVSettingsKey&) = delete;
    KVSettingsKey& operator=(const KVSettingsKey&) = delete;

    // Opens the key, creating it when absent; a handle held before is closed first.
    LONG Create(HKEY parent, const char* path, REGSAM access = KEY_ALL_ACCESS,
                DWORD* disposition = nullptr);
    // Opens the module's settings key with full access.
    LONG OpenSettings() { return Create(HKEY_CURRENT_USER, kSettingsKeyPath); }
    LONG Close();
    HKEY Handle() const { return m_hKey; }

    // Succeeds only for a REG_DWORD value; any other type or a missing value gives
    // ERROR_INVALID_DATA.
    LONG QueryNumber(const char* name, DWORD& value) const;
    // Reads a string into buffer; size is the buffer's size in bytes on entry and the
    // stored length afterwards. Only zero-terminated string values are accepted; on
    // any failure the buffer is left empty.
    LONG QueryString(char* buffer, const char* name, DWORD* size) const;
    LONG SetNumber(const char* name, DWORD value);
    LONG SetString(const char* value, const char* name);

  private:
    HKEY m_hKey = nullptr;
};
