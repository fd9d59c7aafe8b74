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
        return "kv" + fileNumberOf(kind, record, index) + ".017";
    const std::string letters = record.fileLetters.size() == 2 ? record.fileLetters : "??";
    return "d" + letters + fileNumberOf(kind, record, index) + ".017";
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

std::string fileNumberOf(ProjectKind kind, const PlanRecord& record, std::size_t index)
{
    char text[16];
    if (kind == ProjectKind::Fem) {
        std::snprintf(text, sizeof text, "%06i", static_cast<int>(record.femNumber));
        return lastCharacters(text, 6);
    }
    std::snprintf(text, sizeof text, "%04i", static_cast<int>(index + 1));
    return lastCharacters(text, 4);
}

bool fileNumberOf(const std::string& fileName, ProjectKind& kind, std::string& number)
{
    std::string base, extension;
    if (!projectKindOf(fileName, kind) || !splitName(fileName, base, extension))
        return false;
    number = base.substr(kind == ProjectKind::Fem ? 2 : 3);
    return true;
}

bool namesPosition(const std::string& fileName, const PlanRecord& record, std::size_t index)
{
    ProjectKind kind;
    std::string number;
    if (record.name.empty() || !fileNumberOf(fileName, kind, number) ||
        number != fileNumberOf(kind, record, index))
        return false;
    return kind == ProjectKind::Fem || record.fileLetters.size() != 2 ||
           strcasecmp(fileName.substr(1, 2).c_str(), record.fileLetters.c_str()) == 0;
}

} // namespace loaddata
