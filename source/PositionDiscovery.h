// Finding the candidate source positions of a project group: the positions that the
// project's plan file lists and whose load file exists, without the own position.
#pragma once

#include "framework/CString.h"
#include "source/PositionEntry.h"

class KVSettingsKey;

// Project groups, as the source page's group list shows them.
enum ProjectGroup { kGroupCurrent = 0, kGroupFem = 1 };

struct OwnPosition {
    CString m_strName;     // as the host names it
    CString m_strLoadFile; // its ".017" file
};

// Replaces the entries by the group's positions in plan file order and returns the
// project folder (empty when unknown: the plan file is then looked for in the current
// directory). The plan file is read from a temporary copy; the current directory is the
// same afterwards. A plan file that cannot be read lists nothing.
CString ListPositions(int group, const KVSettingsKey& settings, const OwnPosition& own,
                      PositionEntries& entries);
