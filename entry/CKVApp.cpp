#include "entry/CKVApp.h"

#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"

#include <cstdlib>
#include <string>

BEGIN_MESSAGE_MAP(CKVApp, CWinApp)
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

BOOL CKVApp::InitInstance()
{
    KVSettingsKey key;
    if (key.OpenSettings() == ERROR_SUCCESS) {
        char folder[MAX_PATH];
        DWORD size = sizeof folder;
        if (key.QueryString(folder, settings::kHelpPath, &size) == ERROR_SUCCESS) {
            const std::string path = std::string(folder) + "\\Kesvar.hlp";
            free(const_cast<char*>(m_pszHelpFilePath));
            m_pszHelpFilePath = _strdup(path.c_str());
        }
        key.Close();
    }
    return TRUE;
}
