#pragma once

#include <windows.h>

// Gives a test an empty registry key and puts back what was there before when it
// ends, so that tests sharing a Wine prefix do not see each other's settings.
class RegistrySandbox
{
  public:
    explicit RegistrySandbox(const char* path);
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    // Writes a value of any type and size, e.g. one the module never writes itself.
    void SetRaw(const char* name, DWORD type, const void* data, DWORD bytes);
    void SetString(const char* name, const char* value);
    void SetNumber(const char* name, DWORD value);
    bool Exists() const;

  private:
    const char* m_path;
    bool m_hadKey = false;
};
