// Whole-file reading and the atomic save of the library's files. Paths are 8-bit texts in
// the ANSI code page on Windows.
#pragma once

#include "loaddata/FormatError.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace loaddata
{

// No file of the library comes near this; a larger one is refused before it is read.
constexpr std::size_t kMaxFileSize = 256u * 1024 * 1024;

// Missing when the file does not exist, Unreadable when it cannot be read, TooLarge above
// kMaxFileSize.
FormatError readWholeFile(const std::string& path, std::vector<unsigned char>& bytes);

// Writes the bytes to a temporary file in the same folder, flushes it to the disk and only
// then replaces the old file with it. On any failure the old file is left as it was and
// the temporary file is removed: WriteFailed.
FormatError saveAtomically(const std::string& path, const std::vector<unsigned char>& bytes);

// The number of files this process has saved or written so far (noteSave counts one written
// otherwise): what was read before a save is told from what is read after it, whatever
// the tick of the file system's clock.
unsigned saveCount();
void noteSave();

// Reads a whole file and decodes it with decode(bytes, data, formatVersion).
template <class Data, class Decode>
FormatError readDecoded(const std::string& path, Data& data, uint32_t* formatVersion, Decode decode)
{
    std::vector<unsigned char> file;
    const FormatError error = readWholeFile(path, file);
    return error != FormatError::None ? error : decode(file, data, formatVersion);
}

// Encodes the data with encode(data, bytes) and saves the bytes atomically.
template <class Data, class Encode>
FormatError saveEncoded(const std::string& path, const Data& data, Encode encode)
{
    std::vector<unsigned char> file;
    const FormatError error = encode(data, file);
    return error != FormatError::None ? error : saveAtomically(path, file);
}

// Test hook: makes every following save fail at the given point, as a full disk or a crash
// would, until it is set back to None.
enum class SaveFault { None, HalfWritten, BeforeReplace };
void simulateSaveFault(SaveFault fault);

} // namespace loaddata
