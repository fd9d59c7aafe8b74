#include "page/LoadPageString.h"

#include "page/HostedPageLanguage.h"

HINSTANCE g_hPageLanguageLib = nullptr;

LPCSTR LoadPageString(UINT nID)
{
    static char buffer[50];
    buffer[0] = '\0';
    const HINSTANCE hLibrary = g_hPageLanguageLib ? g_hPageLanguageLib : HostedPageLanguage();
    // The system's loader cuts a longer text to 49 characters and the terminating zero.
    if (hLibrary && ::LoadStringA(hLibrary, nID, buffer, sizeof buffer) <= 0)
        buffer[0] = '\0';
    return buffer;
}
