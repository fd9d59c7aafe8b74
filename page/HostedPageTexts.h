// The hosted page's texts in the language of its language library. Its template comes from
// the module's own resources, in the default language; the tab title and the captions of
// the tree's label and the buttons are put in place from the library the hosted pages hold.
#pragma once

#include "framework/CWnd.h"

#include <prsht.h>

// The page handle created again with the library's tab title (psp as it was created);
// the handle as it is when the library has no title.
HPROPSHEETPAGE WithHostedPageTitle(HPROPSHEETPAGE hPage, const PROPSHEETPAGEA& psp);

// Sets the captions of the tree's label and the two buttons of the page's window; a text
// the library does not have stays as the template has it.
void ApplyHostedPageCaptions(CWnd& page);
