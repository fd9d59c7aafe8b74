// The name of the design program that made a listed position, from the suite's program
// name file.
#pragma once

#include "framework/CString.h"
#include "source/PositionEntry.h"

// The program number is the last three characters of the entry's program code. Number 0
// (no design program, as for FEM positions) shows groupText, the project group's name.
// Empty when the program name file is missing or holds no record for the number.
CString ProgramText(const PositionEntry& entry, const CString& groupText);
