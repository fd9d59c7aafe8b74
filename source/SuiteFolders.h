// Where the suite keeps its files: the program root from the suite's INI file, the current
// project from the project list, the FEM project from the settings. Each folder is
// returned with its trailing backslash, or empty when it is not known, so that a file
// name appended to it is then looked for in the current directory.
#pragma once

#include "framework/CString.h"

class KVSettingsKey;

// "prgRoot" of section "pfade" in "tavenix.ini" (the system's INI lookup), without a
// trailing backslash; "C:\tavenix\p1w" when the file or the key is missing.
CString ProgramRoot();
// The first line of the project list (program root + "\nampr.txt") up to and including
// its last backslash.
CString CurrentProjectFolder();
// The "CurOrvexPath" value followed by a backslash.
CString FemProjectFolder(const KVSettingsKey& settings);
