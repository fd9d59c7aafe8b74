#pragma once
// Array of untyped pointers; the owner deletes what they point to.

#include "framework/CArray.h"

class CPtrArray : public CArray<void*, void*>
{
};
