#include "loaddata/TreeCheck.h"

#include "loaddata/CheckedTrees.h"
#include "loaddata/PositionFileName.h"
#include "loaddata/ProjectLookup.h"
#include "loaddata/SuiteEnvironment.h"
#include "loaddata/TransferSources.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <vector>

namespace loaddata
{

namespace
{

// One position on the path from the checked position down to the one being looked at.
struct Frame {
    std::string file16;
    std::string file17;
    std::vector<std::string> sources; // the load files its transfer headers name
    std::size_t next = 0;
};

// Windows paths compare without regard to case.
std::string pathKey(const std::string& path)
{
    std::string key(path);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return key;
}

// The folder a file lies in, as folderStamp takes it.
std::string folderOf(const std::string& path)
{
    const std::string folder = directoryOf(path);
    return folder.empty() ? "." : folder;
}

bool isNewer(const std::string& file, const std::string& than)
{
    const FileStamp a = fileStamp(file);
    const FileStamp b = fileStamp(than);
    return a.exists && b.exists && a.modified > b.modified;
}

// The position's own files; fills the frame's sources.
int checkOwnFiles(Frame& frame)
{
    if (!isReadableLoadFile(frame.file17))
        return TreeLoadDataDamaged;
    const FormatError error = readTransferSources(frame.file16, frame.sources);
    if (error == FormatError::Missing)
        return TreeOk;
    return error == FormatError::None ? TreeOk : TreeTransfersDamaged;
}

// Whether a load file that a transfer names still belongs to a listed position.
bool sourceExists(const std::string& path, Frame& source)
{
    ListedPosition listed;
    return transferFileOf(path, source.file16) && loadFileOf(path, source.file17) &&
           fileStamp(source.file17).exists &&
           findListedPosition(source.file17, listed) == LookupError::None;
}

class TreeWalk
{
  public:
    TreeFinding run(Frame top)
    {
        noteFolder(top.file16);
        if (!enter(top))
            return m_failure;
        const bool receivesNothing = m_path.back().sources.empty();
        while (!m_path.empty()) {
            Frame& frame = m_path.back();
            if (frame.next == frame.sources.size()) {
                m_onPath[pathKey(frame.file16)] = false;
                m_path.pop_back();
                continue;
            }
            const std::string source = frame.sources[frame.next++]; // frame may move below
            if (!follow(frame, source))
                return m_failure;
        }
        if (m_outdated.code != TreeOk)
            return m_outdated;
        rememberInOrder(pathKey(top.file16), m_folders);
        return TreeFinding{receivesNothing ? TreeNoTransfers : TreeOk, top.file16, ""};
    }

  private:
    bool fail(int code, const std::string& file, const std::string& otherFile)
    {
        m_failure = TreeFinding{code, file, otherFile};
        return false;
    }

    // The folder of a file about to be read; its stamp is taken now, before the file.
    void noteFolder(const std::string& path)
    {
        const std::string folder = folderOf(path);
        folderStamp(folder);
        m_folders.insert(folder);
    }

    void noteOutdated(const std::string& file, const std::string& newerFile)
    {
        if (m_outdated.code == TreeOk)
            m_outdated = TreeFinding{TreeOutdated, file, newerFile};
    }

    bool enter(Frame frame)
    {
        const int code = checkOwnFiles(frame);
        if (code != TreeOk)
            return fail(code, frame.file16, "");
        if (isNewer(frame.file16, frame.file17))
            noteOutdated(frame.file16, frame.file16);
        m_onPath[pathKey(frame.file16)] = true;
        m_path.push_back(std::move(frame));
        return true;
    }

    // The next source of the frame: a failure ends the walk.
    bool follow(const Frame& frame, const std::string& path)
    {
        noteFolder(path);
        Frame source;
        if (!sourceExists(path, source))
            return fail(TreeSourceMissing, frame.file16, path);
        if (isNewer(source.file17, frame.file17))
            noteOutdated(frame.file16, source.file17);
        const std::string key = pathKey(source.file16);
        const auto seen = m_onPath.find(key);
        if (seen == m_onPath.end()) {
            // A source an earlier check found in order needs no walk of its own sources.
            if (checkedInOrder(key, m_folders)) {
                m_onPath[key] = false;
                return true;
            }
            return enter(std::move(source));
        }
        if (seen->second)
            return fail(TreeCycle, source.file16, frame.file16);
        return true; // checked already through another path
    }

    std::vector<Frame> m_path;
    std::map<std::string, bool> m_onPath; // true while on the path, false once checked
    std::set<std::string> m_folders;      // of every file read
    TreeFinding m_failure;
    TreeFinding m_outdated;
};

} // namespace

TreeFinding checkTree(const std::string& file)
{
    // The walk meets the same positions through many paths: each file and folder is
    // stamped once, the position's folder before any of its files.
    const StampScope scope;
    folderStamp(folderOf(file));
    Frame top;
    ProjectKind kind;
    if (!transferFileOf(file, top.file16) || !loadFileOf(file, top.file17) ||
        !projectKindOf(fileNameOf(file), kind))
        return TreeFinding{TreeNotAPosition, file, ""};
    if (!fileStamp(top.file17).exists)
        return TreeFinding{TreeNoLoadFile, top.file16, ""};
    ListedPosition listed;
    if (findListedPosition(top.file17, listed) != LookupError::None)
        return TreeFinding{TreeNotListed, top.file16, ""};
    return TreeWalk().run(std::move(top));
}

const char* describeTreeCode(int code)
{
    switch (code) {
    case TreeOk:
        return "in order";
    case TreeNotAPosition:
        return "the file is not a position's load or transfer file";
    case TreeNoLoadFile:
        return "the position's load file is missing";
    case TreeLoadDataDamaged:
        return "the position's load file cannot be read";
    case TreeTransfersDamaged:
        return "the position's transfer file cannot be read";
    case TreeNotListed:
        return "the project's plan file is missing or damaged, or does not list the position";
    case TreeSourceMissing:
        return "a transfer names a source position that no longer exists";
    case TreeNoTransfers:
        return "in order; the position receives no loads";
    case TreeCycle:
        return "the position receives loads from itself through a chain of transfers";
    case TreeOutdated:
        return "the load data is older than the transfers or a source's load data: "
               "recalculate";
    }
    return "unknown code";
}

} // namespace loaddata
