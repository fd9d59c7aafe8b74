// The text calls of the force kinds and idealisations.
#include "model/LoadDataInterface.h"

#include "loaddata/KindTexts.h"

#include <cstring>

namespace
{

char* copyText(const char* text, char* buf)
{
    if (buf)
        std::strcpy(buf, text);
    return buf;
}

} // namespace

extern "C" {

char* GetForceUnitString(int forceKind, char* buf)
{
    return copyText(loaddata::forceUnitText(forceKind), buf);
}

char* GetIdealizationString(int code, char* buf)
{
    return copyText(loaddata::idealisationText(code), buf);
}

} // extern "C"
