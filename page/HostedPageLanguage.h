// The language library of hosted pages. A page in a host's sheet has no export call
// around it that loads the library, so hosted pages hold the one the settings name
// ("ProgramPath", "Language") from their construction to their destruction; the first
// loads it, the last unloads it.
#pragma once

#include <windows.h>

void HoldHostedPageLanguage();
void ReleaseHostedPageLanguage();
// Null while no hosted page exists or when the library could not be loaded.
HINSTANCE HostedPageLanguage();
