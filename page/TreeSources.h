// The positions a position's transfer file names as its sources, as the load tree shows
// them. The tree meets a position once for every way its loads travel down, so while a
// tree is built each transfer file is read once and its sources kept.
#pragma once

#include "framework/CString.h"

#include <vector>

// One header of a transfer file: the source's transfer file, the item's text (the
// source's position name and the transfer number) and the key that tells its position.
struct TreeSource {
    CString strFile;
    CString strText;
    CString strKey;
    int nTransfer;
    // The source's own sources once SourcesOf has read them (the tree meets a source many
    // times: found once, without looking its file up again).
    mutable const std::vector<TreeSource>* pSources = nullptr;
};

// What tells a position apart whichever of its files names it: folder and base name,
// upper-cased, since Windows paths compare without regard to case. Empty for a file
// without an extension, which names no position.
CString PositionKey(const CString& strFile);

// While an object of this class exists, ReadTreeSources reads each transfer file once, and
// looks each source's position name up once, and answers from what it found after that; a
// position's files are not expected to change while one tree is built. Objects nest: the outermost
// one decides how long the sources are kept, so the next activation of the page reads the files
// afresh.
class TreeSourceCache
{
  public:
    TreeSourceCache();
    ~TreeSourceCache();
    TreeSourceCache(const TreeSourceCache&) = delete;
    TreeSourceCache& operator=(const TreeSourceCache&) = delete;

  private:
    bool m_bOwner;
};

// The sources named by the headers of the transfer file of strFile (the position's load
// file or its transfer file), in header order; headers whose file or position name cannot
// be found are left out, and a file that cannot be opened has none. All headers are read
// and the load data library's reader is released before this returns. Only while a
// TreeSourceCache exists; the answer stays valid as long as it does.
const std::vector<TreeSource>& ReadTreeSources(const CString& strFile);

// ReadTreeSources of the source's own position.
const std::vector<TreeSource>& SourcesOf(const TreeSource& source);
