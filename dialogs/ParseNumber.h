#pragma once

// Converts a text to a double; true only when the whole text (blanks and tabs around it
// aside) is a decimal number: an optional sign, digits with the numeric locale's decimal
// separator, an optional exponent. The C library's other forms ("inf", "nan", hexadecimal)
// and results that are not finite are not numbers. A result of exactly 0 counts only when
// the number starts with the digit "0", so "-0", ".0" and an underflowing "1e-400" are
// refused while "0", "0.0" and "0e5" pass.
bool ParseNumber(const char* text, double& value);
