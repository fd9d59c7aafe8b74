#include "page/TransferReading.h"

#include "model/LoadDataInterface.h"
#include "model/LoadDataResult.h"

int OpenTransferFile(const CString& strFile, int& nIncoming, int& nHeaders)
{
    // A file the library cannot convert is opened as it is given, and fails there.
    char transferFile[260] = "";
    const bool bConverted = LoadDataSucceeded(ChangeExtension(strFile, transferFile));
    return InitBindData(bConverted ? transferFile : strFile.GetString(), 1, &nIncoming, &nHeaders);
}

void ReadTransferHeader(char* header, int& nTransfer)
{
    int nEntries = 0;
    InitBindHeader(header, 1, &nTransfer, &nEntries);
    for (int e = 0; e < nEntries; ++e) {
        int nSourceLoad = 0;
        int nOwnLoad = 0;
        InitZuordTabelle(1, &nSourceLoad, &nOwnLoad); // the rows are not used here
    }
}
