// A transfer file through the bind calls in the module's orders: the editor's save and start,
// and the page's text.
#pragma once

#include "loaddata/TransferData.h"

#include <string>

// The editor's save: counts, headers with their rows, then per record its path name, the
// record, its nodes, reference nodes and pieces, and the store. The first failing result.
int writeThroughCalls(const std::string& path, const loaddata::TransferData& data);

// The editor's start: counts, headers with rows, the records as one copy; then the page's
// way, record by record with GetIPathName, GetIBindStructData and the node and piece calls,
// which must agree. The first failing result; the file is released in every case.
int readThroughCalls(const std::string& path, loaddata::TransferData& data);
