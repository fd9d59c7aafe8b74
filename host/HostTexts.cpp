#include "host/HostTexts.h"

#include "framework/AfxFormatString.h"
#include "host/HostResources.h"
#include "host/Installation.h"

namespace host
{

UINT hostTextId(HostText text, const std::string& language)
{
    return (language == kEnglish ? IDS_HOST_ENGLISH : IDS_HOST_GERMAN) + static_cast<UINT>(text);
}

CString hostText(HostText text, const char* arg1, const char* arg2)
{
    CString result;
    AfxFormatString2(result, hostTextId(text, currentLanguage()), arg1, arg2);
    return result;
}

} // namespace host
