// Reading the headers of the open transfer file.
#pragma once

// The next header: its source path (264 characters) and transfer number; its assignment
// rows are read past, unused.
void ReadTransferHeader(char* header, int& nTransfer);
