// Reading a position's transfer file for the page's tree and text.
#pragma once

#include "framework/CString.h"

// Opens the transfer file of the position named by strFile (its load file or its transfer
// file: hosts name positions by either) for reading. The load data library's result.
int OpenTransferFile(const CString& strFile, int& nIncoming, int& nHeaders);

// The next header: its source path (264 characters) and transfer number; its assignment
// rows are read past, unused.
void ReadTransferHeader(char* header, int& nTransfer);
