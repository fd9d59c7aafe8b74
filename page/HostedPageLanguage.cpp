#include "page/HostedPageLanguage.h"

#include "entry/LanguageLibrary.h"

#include <memory>

namespace
{
int g_nHostedPages = 0;
std::unique_ptr<LanguageLibrary> g_pHostedLanguage;
} // namespace

void HoldHostedPageLanguage()
{
    if (g_nHostedPages++ == 0)
        g_pHostedLanguage = std::make_unique<LanguageLibrary>();
}

void ReleaseHostedPageLanguage()
{
    if (g_nHostedPages > 0 && --g_nHostedPages == 0)
        g_pHostedLanguage.reset();
}

HINSTANCE HostedPageLanguage()
{
    return g_pHostedLanguage ? g_pHostedLanguage->Handle() : nullptr;
}
