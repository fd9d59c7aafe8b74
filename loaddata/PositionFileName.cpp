#include "loaddata/PositionFileName.h"

#include <cctype>
#include <cstdio>
#include <strings.h>

namespace loaddata
{

namespace
{

constexpr std::size_t kCurrentBaseLength = 7; // d ?? nnnn
constexpr std::size_t kFemBaseLength = 8;     // kv nnnnnn

std::string lastCharacters(const std::string& text, std::size_t count)
{
    return text.size() <= count ? text : text.substr(text.size() - count);
}

std::string numberText(ProjectKind kind, const PlanRecord& record, std::size_t index)
{
    char text[16];
    if (kind == ProjectKind::Fem) {
        std::snprintf(text, sizeof text, "%06i", static_cast<int>(record.femNumber));
        return lastCharacters(text, 6);
    }
    std::snprintf(text, sizeof text, "%04i", static_cast<int>(index + 1));
    return lastCharacters(text, 4);
}

// The base name and extension of a file name; the extension without its dot.
bool splitName(const std::string& fileName, std::string& base, std::string& extension)
{
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || fileName.find_first_of("\\/") != std::string::npos)
        return false;
    base = fileName.substr(0, dot);
    extension = fileName.substr(dot + 1);
    return true;
}

bool replaceExtension(const std::string& file, const char* extension, std::string& out)
{
    const std::size_t dot = file.find_last_of('.');
    const std::size_t slash = file.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return false;
    const std::string current = file.substr(dot + 1);
    if (strcasecmp(current.c_str(), "016") != 0 && strcasecmp(current.c_str(), "017") != 0)
        return false;
    out = file.substr(0, dot + 1) + extension;
    return true;
}

bool startsWith(const std::string& text, const char* prefix)
{
    return strncasecmp(text.c_str(), prefix, std::char_traits<char>::length(prefix)) == 0;
}

} // namespace

std::string loadFilePattern(ProjectKind kind, const PlanRecord& record, std::size_t index)
{
    if (kind == ProjectKind::Fem)
        return "kv" + numberText(kind, record, index) + ".017";
    const std::string letters = record.fileLetters.size() == 2 ? record.fileLetters : "??";
    return "d" + letters + numberText(kind, record, index) + ".017";
}

bool transferFileOf(const std::string& file, std::string& transferFile)
{
    return replaceExtension(file, "016", transferFile);
}

bool loadFileOf(const std::string& file, std::string& loadFile)
{
    return replaceExtension(file, "017", loadFile);
}

bool projectKindOf(const std::string& fileName, ProjectKind& kind)
{
    std::string base, extension;
    if (!splitName(fileName, base, extension))
        return false;
    if (base.size() == kFemBaseLength && startsWith(base, "kv"))
        kind = ProjectKind::Fem;
    else if (base.size() == kCurrentBaseLength && startsWith(base, "d"))
        kind = ProjectKind::Current;
    else
        return false;
    return true;
}

bool namesPosition(const std::string& fileName, const PlanRecord& record, std::size_t index)
{
    ProjectKind kind;
    std::string base, extension;
    if (record.name.empty() || !projectKindOf(fileName, kind) ||
        !splitName(fileName, base, extension))
        return false;
    if (kind == ProjectKind::Fem)
        return base.substr(2) == numberText(kind, record, index);
    const bool lettersMatch =
        record.fileLetters.size() != 2 ||
        strcasecmp(base.substr(1, 2).c_str(), record.fileLetters.c_str()) == 0;
    return lettersMatch && base.substr(3) == numberText(kind, record, index);
}

} // namespace loaddata
