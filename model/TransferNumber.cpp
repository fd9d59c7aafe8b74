#include "model/TransferNumber.h"

#include <cstdlib>

const CString& TransferPrefix(int32_t number, const CString& prefixPlus, const CString& prefixMinus)
{
    return number >= 1 ? prefixPlus : prefixMinus;
}

CString TransferName(int32_t number, const CString& prefixPlus, const CString& prefixMinus)
{
    CString digits;
    digits.Format("%lld", std::llabs(static_cast<long long>(number)));
    return TransferPrefix(number, prefixPlus, prefixMinus) + digits;
}

int32_t TransferNumberFromName(const CString& name, int32_t storedNumber)
{
    const int32_t fromName = static_cast<int32_t>(std::atol(name.Mid(2)));
    if (storedNumber >= 1)
        return fromName;
    // Negated without overflow: the wrapped value for the one number without a positive.
    return storedNumber == 0 ? 0 : static_cast<int32_t>(0u - static_cast<uint32_t>(fromName));
}
