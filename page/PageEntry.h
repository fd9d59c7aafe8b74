// The transferred-load page run as a modal dialog of its own over a host's window
// (the export FillNamesForDialog).
#pragma once

#include <windows.h>

// Shows the project's positions; on return *recalculate is 1 and fileToRecalculate holds
// the file of the position the user chose to recalculate (at most 259 characters and
// the zero), else *recalculate is 0 and the buffer is untouched. When the language
// library is missing the user is told so and nothing opens.
void RunPageEntry(HWND parent, const char* projectName, unsigned int count,
                  const char* const* names, const char* const* files, int* recalculate,
                  char* fileToRecalculate);
