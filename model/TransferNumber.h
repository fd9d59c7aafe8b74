// A transfer's name is a two-character prefix followed by the absolute value of its
// signed number; the prefix says the sign (one text for >= 1, another for <= 0).
#pragma once

#include "framework/CString.h"

#include <cstdint>

// The prefix for a transfer number.
const CString& TransferPrefix(int32_t number, const CString& prefixPlus,
                              const CString& prefixMinus);
// Prefix followed by "%d" of the number's absolute value.
CString TransferName(int32_t number, const CString& prefixPlus, const CString& prefixMinus);
// The number a transfer is stored under: its name without the prefix converted with
// atol, kept for a stored number >= 1, 0 for a stored 0, negated for a negative one.
int32_t TransferNumberFromName(const CString& name, int32_t storedNumber);
