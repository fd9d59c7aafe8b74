// What was read from one of the suite's files, kept while the file is unchanged: the name
// calls are made for every source of a position, and each would otherwise read the INI
// file, the project list and the program name file again.
#pragma once

#include "loaddata/FileIo.h"
#include "loaddata/SuiteEnvironment.h"

#include <string>

namespace loaddata
{

// The value read from a file, read again when the file's stamp has changed or this process
// has saved a file since (a save within the same tick of the file system's clock leaves
// the stamp as it was).
template <class Value> class KeptFile
{
  public:
    // read() gives the value of the file at path.
    template <class Read> const Value& get(const std::string& path, Read read)
    {
        // Stamped before it is read: a change while reading is seen by the next call.
        const FileStamp now = fileStamp(path);
        const unsigned saves = saveCount();
        if (!m_read || path != m_path || !sameStamp(now, m_stamp) || saves != m_saves) {
            m_value = read();
            m_path = path;
            m_stamp = now;
            m_saves = saves;
            m_read = true;
        }
        return m_value;
    }

  private:
    bool m_read = false;
    std::string m_path;
    FileStamp m_stamp;
    unsigned m_saves = 0;
    Value m_value{};
};

} // namespace loaddata
