#include "host/CommandLine.h"

namespace host
{

namespace
{

bool isOption(const std::string& argument)
{
    return argument.rfind("--", 0) == 0;
}

} // namespace

const char* usage()
{
    return "usage: kvhost [--project DIR | --sample [DIR]] [--language deu|eng]\n"
           "              [--pictures DIR] [--list] [--edit POSITION]\n"
           "              [--recalculate POSITION] [--window]\n"
           "  --project DIR       the project in DIR (a folder with a plan file)\n"
           "  --sample [DIR]      the sample project, generated in DIR when missing\n"
           "                      (default: the folder sample beside the program)\n"
           "                      without either: the suite's current project\n"
           "  --language CODE     the module's language from its next call: deu or eng\n"
           "  --pictures DIR      every window opened is saved as a picture in DIR and\n"
           "                      closed as Cancel would close it\n"
           "  --list              prints the positions\n"
           "  --edit POSITION     the load transfer editor for a position (name or file)\n"
           "  --recalculate POSITION\n"
           "                      recalculates a position\n"
           "  --window            the main window (the default without commands)\n";
}

bool parseCommandLine(const std::vector<std::string>& arguments, HostOptions& options,
                      std::string& error)
{
    using Kind = HostCommand::Kind;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool hasValue = i + 1 < arguments.size() && !isOption(arguments[i + 1]);
        const std::string value = hasValue ? arguments[i + 1] : "";
        bool takesValue = true;
        if (option == "--project")
            options.project = {ProjectChoice::Kind::Folder, value};
        else if (option == "--sample") {
            options.project = {ProjectChoice::Kind::Sample, value};
            takesValue = hasValue; // the folder is optional
        } else if (option == "--language")
            options.language = value;
        else if (option == "--pictures")
            options.pictures = value;
        else if (option == "--edit")
            options.commands.push_back({Kind::Edit, value});
        else if (option == "--recalculate")
            options.commands.push_back({Kind::Recalculate, value});
        else if (option == "--list" || option == "--window") {
            options.commands.push_back({option == "--list" ? Kind::List : Kind::Window, ""});
            takesValue = false;
        } else {
            error = "unknown option " + option;
            return false;
        }
        if (takesValue && !hasValue) {
            error = option + " needs a value";
            return false;
        }
        i += takesValue ? 1 : 0;
    }
    if (options.commands.empty() && options.language.empty())
        options.commands.push_back({Kind::Window, ""});
    return true;
}

} // namespace host
