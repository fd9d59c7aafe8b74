#include "loaddata/FormatError.h"

namespace loaddata
{

const char* describe(FormatError error)
{
    switch (error) {
    case FormatError::None:
        return "no error";
    case FormatError::Missing:
        return "the file does not exist";
    case FormatError::Unreadable:
        return "the file cannot be read";
    case FormatError::TooLarge:
        return "the file is larger than any file of its kind";
    case FormatError::Truncated:
        return "the file is shorter than its header says";
    case FormatError::BadMagic:
        return "the file is not of the expected kind";
    case FormatError::BadVersion:
        return "the file has a format version this library does not read";
    case FormatError::BadChecksum:
        return "the check sum does not match: the file is damaged";
    case FormatError::BadContent:
        return "the content holds a count, length or value it cannot hold: the file is damaged";
    case FormatError::InvalidData:
        return "the data to be written breaks the limits of the format";
    case FormatError::WriteFailed:
        return "the file could not be written; the previous file is unchanged";
    }
    return "unknown error";
}

} // namespace loaddata
