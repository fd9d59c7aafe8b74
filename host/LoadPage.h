// The module's transferred-load page for all of the host's positions: on its own over the
// host's window (FillNamesForDialog), where it can hand a position back for recalculation,
// or hosted in the host's own property sheet beside a page of the host's.
#pragma once

#include "host/HostProject.h"

#include <windows.h>

#include <string>

class CWnd;

namespace host
{

struct RecalculationRequest {
    bool requested = false;
    std::string file; // as the page handed it back
    int index = -1;   // the position it names; -1 when it names none of the project's
};

// Runs FillNamesForDialog over every position, in the project's order.
RecalculationRequest showTransferredLoads(const HostProject& project, HWND parent);

// Runs the host's load sheet: its project page and the module's page, created through its
// run-time class and filled with every position. The sheet's result (IDOK or IDCANCEL).
INT_PTR showLoadSheet(const HostProject& project, CWnd* parent);

} // namespace host
