#pragma once
// Extent in x and y.

#include <windows.h>

class CSize : public SIZE
{
  public:
    CSize(int x, int y) : SIZE{x, y} {}
};
