#include "framework/AfxFormatString.h"

CString AfxFormatStrings(LPCSTR format, const LPCSTR* strings, int count)
{
    CString result;
    for (LPCSTR at = format ? format : ""; *at; ++at) {
        if (at[0] == '%' && at[1] >= '1' && at[1] <= '9') {
            const int index = at[1] - '1';
            if (index < count)
                result += strings[index];
            ++at;
        } else {
            result += *at;
        }
    }
    return result;
}

void AfxFormatString2(CString& result, UINT id, LPCSTR string1, LPCSTR string2)
{
    CString format;
    format.LoadString(id);
    const LPCSTR strings[] = {string1, string2};
    result = AfxFormatStrings(format, strings, 2);
}
