#pragma once

#include <windows.h>

// Composes the file name of the language resource library from the settings
// "ProgramPath" and "Language": "<ProgramPath>\kesvar_<language>.dll", with
// "kesvar_deu.dll" (found by the system's library search) when nothing is set.
// name must hold 260 characters.
void ComposeLanguageLibraryName(char* name);

// Loads the language library named by the settings for the length of one export call
// and unloads it when the call ends.
class LanguageLibrary
{
  public:
    LanguageLibrary();
    ~LanguageLibrary();
    LanguageLibrary(const LanguageLibrary&) = delete;
    LanguageLibrary& operator=(const LanguageLibrary&) = delete;

    // Null when the library could not be loaded.
    HINSTANCE Handle() const { return m_hLibrary; }
    // Tells the user which library is missing. Without it there are no texts in either
    // language, so the message is built in and names the file in both.
    void ReportMissing(HWND owner) const;

  private:
    char m_name[MAX_PATH];
    HINSTANCE m_hLibrary;
};
