#include "model/TransferFileName.h"

#include "entry/KVEditRequest.h"

CString TransferFileName(const KVEditRequest& request)
{
    CString path(request.directory);
    if (path.IsEmpty() || path[path.GetLength() - 1] != '\\')
        path += '\\';
    path += CString(request.baseName);
    path += ".016";
    return path;
}

CString PositionDataFileName(const CString& transferFileName)
{
    const int kept = transferFileName.GetLength() < 3 ? 0 : transferFileName.GetLength() - 3;
    return transferFileName.Left(kept) + "017";
}
