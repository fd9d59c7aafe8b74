// The pieces of the transferred-load page's load description: where a transfer's source
// position file is, and the value text of one transfer (a point value or trapezoid pieces).
#pragma once

#include "framework/CString.h"
#include "model/BindRecord.h"
#include "model/LoadDataRecord.h"

// "V" and the number for a transfer number above 0, else "\xdc" (Ü) and its absolute value.
CString TransferLabel(int transferNumber);

// The blanks before every label of the text but the transfer number's.
constexpr char kLabelIndent[] = "     ";

// Values, ordinates and factors whose magnitude is above this are not available.
constexpr double NO_VALUE_LIMIT = 1e299;

// version is the transfer file's data version (the second of BindGetVersions). Version 0
// files name their sources within the receiving position's project and hold point values
// only; every later version names them by project group and may hold trapezoid pieces.
// Versions above 4 are read as 4 (see docs/page.md).

// The source position's file of a transfer into selectedFile: 0 when found (sourceFile,
// 260 characters, holds it), 1 when not.
int ResolveSourceFile(int version, int projectRef, LPCSTR selectedFile, LPCSTR pathName,
                      char* sourceFile);

// The value text of transfer i: "not available" for a source without computed results,
// else the point value or the trapezoid pieces, as the file version allows. The transfer
// file must be open with its records read.
void FormatTransferValue(int version, int forceKind, const LoadDataRecord& block,
                         const BindRecord& record, int i, LPCSTR sep, CString& out);

// "     <value> = v * (f) = v*f<unit>", or "not available".
void FormatPointValue(int forceKind, const BindRecord& record, CString& out);

// Factor and idealisation lines, then one line per trapezoid piece of transfer i; "not
// available" alone when an ordinate is.
void FormatTrapezoidValue(int forceKind, const BindRecord& record, int i, LPCSTR sep, CString& out);
