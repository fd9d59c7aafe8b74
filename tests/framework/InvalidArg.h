#pragma once
// Test helper: whether running a body raises the framework's invalid-argument exception.

#include "framework/CInvalidArgException.h"

template <class Body> bool ThrowsInvalidArg(Body body)
{
    try {
        body();
    } catch (CInvalidArgException* e) {
        e->Delete();
        return true;
    }
    return false;
}
