#include "dialogs/ParseNumber.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace
{
const char* SkipBlanks(const char* p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

const char* SkipDigits(const char* p)
{
    while (*p >= '0' && *p <= '9')
        ++p;
    return p;
}

// The end of the decimal number at p, or p when none starts there.
const char* DecimalEnd(const char* p)
{
    const char* start = p;
    if (*p == '+' || *p == '-')
        ++p;
    const char* digits = p;
    p = SkipDigits(p);
    bool hasDigits = p != digits;
    const char* separator = std::localeconv()->decimal_point;
    const size_t separatorLength = std::strlen(separator);
    if (separatorLength > 0 && std::strncmp(p, separator, separatorLength) == 0) {
        const char* fraction = p + separatorLength;
        p = SkipDigits(fraction);
        hasDigits = hasDigits || p != fraction;
    }
    if (!hasDigits)
        return start;
    if (*p == 'e' || *p == 'E') {
        const char* exponent = p + 1;
        if (*exponent == '+' || *exponent == '-')
            ++exponent;
        if (const char* end = SkipDigits(exponent); end != exponent)
            p = end;
    }
    return p;
}
} // namespace

bool ParseNumber(const char* text, double& value)
{
    const char* start = SkipBlanks(text);
    const char* end = DecimalEnd(start);
    if (end == start || *SkipBlanks(end) != '\0')
        return false;
    // strtod reads exactly the decimal form checked above, in the same locale.
    value = std::strtod(start, nullptr);
    if (!std::isfinite(value))
        return false;
    return value != 0.0 || *start == '0';
}
