#include "loaddata/CallResult.h"

namespace loaddata
{

int resultOf(FormatError error)
{
    switch (error) {
    case FormatError::None:
        return ResultOk;
    case FormatError::Missing:
        return ResultMissing;
    case FormatError::Unreadable:
        return ResultUnreadable;
    case FormatError::BadVersion:
        return ResultVersion;
    case FormatError::TooLarge:
    case FormatError::Truncated:
    case FormatError::BadMagic:
    case FormatError::BadChecksum:
    case FormatError::BadContent:
        return ResultDamaged;
    case FormatError::InvalidData:
        return ResultInvalidData;
    case FormatError::WriteFailed:
        return ResultWriteFailed;
    }
    return ResultDamaged;
}

} // namespace loaddata
