// Texts in the suite's binary files: fixed-width fields, blank-padded, in the OEM code page.
// In memory the library keeps them in the ANSI code page, trailing blanks removed.
#pragma once

#include <cstddef>
#include <string>

namespace loaddata
{

// The text of a blank-padded OEM field, trailing blanks removed, in the ANSI code page.
std::string readField(const unsigned char* field, std::size_t width);

// Writes an ANSI text into a field as OEM, padded with blanks; false when it does not fit.
bool writeField(unsigned char* field, std::size_t width, const std::string& text);

// True when every byte of the field is printable (no control characters): a field of the
// suite's files never holds one, so one means the file is damaged.
bool isPrintableField(const unsigned char* field, std::size_t width);

// Code page conversions of whole texts (natively the bytes pass through unchanged).
std::string oemToAnsi(const std::string& oem);
std::string ansiToOem(const std::string& ansi);

// Copies a text into a caller's buffer of `size` bytes with its terminating zero; refuses
// (false, buffer untouched) when the text does not fit or the buffer is null.
bool copyToBuffer(const std::string& text, char* buffer, std::size_t size);

} // namespace loaddata
