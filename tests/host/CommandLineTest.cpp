// The command-line mode: its options, and what the host program prints and returns for the
// commands on a generated project.
#include "HostFixture.h"

#include "host/CommandLine.h"

namespace
{

// The options written as the command line that means them, or the error.
std::string normalised(const std::vector<std::string>& arguments)
{
    static const char* const commands[] = {"list",  "edit",     "recalculate", "window",    "loads",
                                           "sheet", "own-load", "check",       "update-all"};
    host::HostOptions options;
    std::string error, text;
    if (!host::parseCommandLine(arguments, options, error))
        return error;
    if (options.project.kind != host::ProjectChoice::Kind::Current)
        text += (options.project.kind == host::ProjectChoice::Kind::Folder ? "--project '"
                                                                           : "--sample '") +
                options.project.path + "' ";
    if (!options.pictures.empty())
        text += "--pictures " + options.pictures + " ";
    for (const host::HostCommand& command : options.commands)
        text += std::string("--") + commands[static_cast<int>(command.kind)] + " " +
                (command.position.empty() ? "" : command.position + " ");
    return text;
}

TEST(CommandLine, OptionsChooseTheProjectAndCommandsInTheirOrder)
{
    const struct {
        std::vector<std::string> arguments;
        std::string meaning;
    } cases[] = {
        {{}, "--window "},
        {{"--language", "eng"}, ""},
        {{"--project", "C:\\p", "--list", "--edit", "Pos 3", "--recalculate", "x.017", "--window",
          "--loads", "--sheet", "--own-load", "3.01", "--check", "--update-all"},
         "--project 'C:\\p' --list --edit Pos 3 --recalculate x.017 --window --loads --sheet "
         "--own-load 3.01 --check --update-all "},
        {{"--sample", "--list"}, "--sample '' --list "},
        {{"--sample", "D:\\s", "--pictures", "D:\\p"},
         "--sample 'D:\\s' --pictures D:\\p --window "},
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"--edit"}, "--edit needs a value"},
        {{"--project", "--list"}, "--project needs a value"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.meaning, normalised(c.arguments));
}

// Runs kvhost.exe from the test program's folder with its output in a pipe; its exit code.
DWORD runHost(const std::string& arguments, std::string& output)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    CreatePipe(&read, &write, &inherit, 0);
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = write;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + ProgramFolder() + "\\kvhost.exe\" " + arguments;
    DWORD code = 999, got = 0;
    const BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(write);
    char buffer[4096];
    for (output.clear(); started && ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got;)
        output.append(buffer, got);
    output.erase(std::remove(output.begin(), output.end(), '\r'), output.end());
    if (started) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(read);
    return code;
}

TEST_F(HostFixture, TheProgramPrintsWhatItDidAndStopsAtTheFirstFailureWithItsExitCode)
{
    const host::HostPosition open = m_project.positions()[6]; // every seventh is not calculated
    ASSERT_EQ(host::PositionState::NotCalculated, open.state);
    // Without the trailing backslash, which would escape the closing quote.
    const std::string& folder = m_generated.folders().project;
    const std::string project = "--project \"" + folder.substr(0, folder.size() - 1) + "\" ";
    std::string text;
    EXPECT_EQ(
        0u,
        runHost(project + "--list --recalculate \"" + open.name + "\" --list --update-all", text));
    EXPECT_EQ(0u, text.find("project " + m_project.name() + " in " + folder + ": " +
                            std::to_string(m_project.positions().size()) + " positions\n"))
        << text;
    const std::string row = open.name + "\t" + open.program + "\t";
    EXPECT_NE(std::string::npos, text.find(row + "not-calculated\t" + open.loadFile + "\n"));
    EXPECT_LT(text.find("recalculated " + open.name + "\n"),
              text.find(row + "calculated\t" + open.loadFile))
        << text;
    EXPECT_NE(std::string::npos, text.find(" position(s) updated, 0 transfer(s) stale\n")) << text;

    const struct {
        std::string arguments;
        DWORD code;
        std::string printed;
    } failures[] = {
        {project + "--edit Nirgends --list", 1, "no position Nirgends in the project\n"},
        {"--project \"" + m_generated.folders().root + ".\" --list", 2,
         "cannot open the project: no plan file in "},
        {"--language fra", 1, "unknown language fra (deu or eng)\n"},
        {"--bogus", 2, "kvhost: unknown option --bogus\nusage: kvhost"},
    };
    for (const auto& f : failures) {
        EXPECT_EQ(f.code, runHost(f.arguments, text));
        EXPECT_NE(std::string::npos, text.find(f.printed)) << text;
        EXPECT_EQ(std::string::npos, text.find('\t')) << "nothing after the failure";
    }
}

} // namespace
