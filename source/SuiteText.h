// Texts in the suite's binary files: fixed-width fields in the OEM code page, padded with
// blanks.
#pragma once

#include "framework/CString.h"

#include <cstddef>

// The field's text: up to its first zero byte, trailing blanks removed, in the ANSI code
// page.
CString SuiteText(const char* field, size_t width);
