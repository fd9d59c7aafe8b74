#pragma once
// Opaque position of an element in a framework list; null before the first and after the last.

struct __POSITION {
};
typedef __POSITION* POSITION;
