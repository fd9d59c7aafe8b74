#pragma once

// Names of the values under the module's settings key. Several are shared with the
// suite's other programs, so names and formats are fixed.
namespace settings
{
// Read only: set up by the suite's installation.
constexpr const char* kProgramPath = "ProgramPath";   // folder of the language libraries
constexpr const char* kLanguage = "Language";         // language code, e.g. "deu"
constexpr const char* kHelpPath = "HelpPath";         // folder of the help file
constexpr const char* kCurOrvexPath = "CurOrvexPath"; // folder of the FEM project

// The source position page's last choices.
constexpr const char* kCurDirect = "CurDirect";
constexpr const char* kCurSupport = "CurSupport";
constexpr const char* kCurLoad = "CurLoad";
constexpr const char* kCurComponent = "CurComponent";
constexpr const char* kCurPath = "CurPath";
constexpr const char* kCurPosition = "CurPosition";
constexpr const char* kCurGroup = "CurGroup";

// Window placements "left,top,width,height,splitter".
constexpr const char* kWindow = "Window";               // the editor
constexpr const char* kWindowManager = "WindowManager"; // the transferred-load page

// The factor history: a count and one "LastFactor<n>" string per entry.
constexpr const char* kLastFactorCount = "LastFactorCount";
constexpr const char* kLastFactorPrefix = "LastFactor";
} // namespace settings
