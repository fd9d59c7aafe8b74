// Reads a dialog template resource (DLGTEMPLATE or DLGTEMPLATEEX) into plain values, so that
// tests can check a template's style and controls without creating the dialog.
#ifndef KESVAR_TESTS_LANG_DIALOGTEMPLATE_H
#define KESVAR_TESTS_LANG_DIALOGTEMPLATE_H

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kvtest
{

struct DialogControl {
    DWORD id = 0; // -1 (0xFFFFFFFF) for labels without a number
    DWORD style = 0;
    std::string className; // predefined classes by name ("Button", "Edit", ...)
    std::wstring title;    // empty when the title is a resource number
};

struct DialogTemplate {
    DWORD style = 0;
    std::wstring caption;
    std::vector<DialogControl> controls;
};

// Parses size bytes of template data; nothing when the data is not a complete template.
std::optional<DialogTemplate> parseDialogTemplate(const void* data, std::size_t size);

} // namespace kvtest

#endif
