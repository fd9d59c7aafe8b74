#include "framework/CUserException.h"

void AfxThrowUserException()
{
    static CUserException exception(false);
    throw &exception;
}
