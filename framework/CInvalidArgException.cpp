#include "framework/CInvalidArgException.h"

void AfxThrowInvalidArgException()
{
    static CInvalidArgException instance(false);
    throw &instance;
}
