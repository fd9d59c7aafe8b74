#include "dialogs/ParseNumber.h"

#include <cstdlib>

namespace
{
const char* SkipBlanks(const char* p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}
} // namespace

bool ParseNumber(const char* text, double& value)
{
    const char* start = SkipBlanks(text);
    const char first = *start;
    char* end = nullptr;
    value = std::strtod(start, &end);
    if (value == 0.0 && first != '0')
        return false;
    return *SkipBlanks(end) == '\0';
}
