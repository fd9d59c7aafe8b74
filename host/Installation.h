// What the suite's installation sets up for the module under its settings key: the folder
// of the language libraries ("ProgramPath", the host's own folder, where they are installed
// beside it) and the language ("Language"), which the host's language switch changes. The
// module reads both at the start of each call, so a change takes effect at the next one.
#pragma once

#include <string>

namespace host
{

constexpr const char* kGerman = "deu";
constexpr const char* kEnglish = "eng";

// The folder of the running program, without a trailing separator.
std::string programFolder();

// The language code in force ("deu" when none is set or it is unreadable), in lower case.
std::string currentLanguage();
// Sets "Language"; false for a code other than "deu" and "eng" (in any case) or when the
// value cannot be written.
bool setLanguage(const std::string& code);

// Sets "ProgramPath" to folder when it is missing or names a folder without the German
// language library, and "Language" to German when it is missing.
void installDefaults(const std::string& folder);

} // namespace host
