// What the source page shows for a reaction component: its point value, or the points of
// its trapezoid pieces one per line.
#pragma once

#include "framework/CString.h"

class KVComponent;

// noValue when the component's load data holds no results (data word 0). A piece's start
// point is left out when it repeats the previous piece's end point, so pieces that meet
// show the joint once.
CString ComponentValueText(const KVComponent& component, const CString& noValue);
