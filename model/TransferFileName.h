// Where the own position's files lie: the transfer file (".016") from the request's
// directory and base name, and the position's data file (".017") beside it.
#pragma once

#include "framework/CString.h"

struct KVEditRequest;

// Directory, "\" unless the directory ends with one, base name, ".016".
CString TransferFileName(const KVEditRequest& request);
// The transfer file's path with its last three characters replaced by "017".
CString PositionDataFileName(const CString& transferFileName);
