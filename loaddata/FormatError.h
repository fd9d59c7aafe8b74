// Why reading or writing one of the load data library's files failed.
#pragma once

namespace loaddata
{

enum class FormatError {
    None,
    Missing,     // the file does not exist
    Unreadable,  // it exists but cannot be opened or read
    TooLarge,    // larger than any file of its kind can be
    Truncated,   // shorter than its header says
    BadMagic,    // not a file of the expected kind
    BadVersion,  // a format version this library does not read
    BadChecksum, // its content was changed after it was written
    BadContent,  // a count, length or value that the content cannot hold
    InvalidData, // what was to be written breaks the format's limits
    WriteFailed, // the new file could not be written; the old one is unchanged
};

// A short English description, for tools and messages.
const char* describe(FormatError error);

} // namespace loaddata
