#include "page/TransferHeader.h"

#include "model/LoadDataInterface.h"
#include "model/LoadDataResult.h"

void ReadTransferHeader(char* header, int& nTransfer)
{
    int nEntries = 0;
    InitBindHeader(header, 1, &nTransfer, &nEntries);
    for (int e = 0; e < nEntries; ++e) {
        int nSourceLoad = 0;
        int nOwnLoad = 0;
        if (!LoadDataSucceeded(InitZuordTabelle(1, &nSourceLoad, &nOwnLoad)))
            break; // the rows are used up: a damaged count ends here
    }
}
