// Which project the host opens: a folder the user names, the suite's current project (the
// INI file's program root, its project list), or the bundled sample project, which is
// generated when missing and then registered as the suite's current project, as an
// installation of the suite would have it.
#pragma once

#include <ostream>
#include <string>

namespace host
{

struct ProjectChoice {
    enum class Kind {
        Current, // the suite's current project; the sample when there is none
        Folder,  // a project folder holding a plan file
        Sample,  // the sample project below the given root
    };
    Kind kind = Kind::Current;
    std::string path;
};

// The sample project's root when none is named: beside the program.
std::string defaultSampleRoot();

// Generates the sample project below root unless its plan file exists, and makes it the
// suite's current project. The project folder, or false with the reason.
bool prepareSample(const std::string& root, std::string& projectFolder, std::string& error);

// The folder of the project to open, saying on report what it did (generated, registered);
// false with the reason. A named folder becomes the suite's current project, so that the
// module's source list shows its positions.
bool locateProject(const ProjectChoice& choice, std::string& projectFolder, std::ostream& report,
                   std::string& error);

} // namespace host
