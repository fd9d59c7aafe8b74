// The positions a position's transfer file names as its sources, as the load tree shows
// them. The tree meets a position once for every way its loads travel down, so within one
// activation of the page each transfer file is read once and its sources kept.
#pragma once

#include "framework/CString.h"

#include <vector>

// One header of a transfer file: the source's transfer file, its position name and the
// transfer number.
struct TreeSource {
    CString strFile;
    CString strName;
    int nTransfer;
};

// The sources named by the headers of the transfer file of strFile (the position's load
// file or its transfer file), in header order; headers whose file or position name cannot
// be found are left out, and a file that cannot be opened has none. All headers are read
// and the load data library's reader is released before this returns.
std::vector<TreeSource> ReadTreeSources(const CString& strFile);

// While an object of this class exists, ReadTreeSources reads each transfer file once and
// answers from what it read after that; a position's files are not expected to change
// while the tree is built. Without one, every call reads the file.
class TreeSourceCache
{
  public:
    TreeSourceCache();
    ~TreeSourceCache();
    TreeSourceCache(const TreeSourceCache&) = delete;
    TreeSourceCache& operator=(const TreeSourceCache&) = delete;
};
