// The command-line mode: its options, and what the host program prints and returns for the
// commands on a generated project.
#include "HostFixture.h"

#include "host/CommandLine.h"

namespace
{

// The project folder and the commands the options ask for, written as options, or the error.
std::string normalised(const std::vector<std::string>& arguments)
{
    static const char* const commands[] = {"list",  "edit",     "recalculate", "window",    "loads",
                                           "sheet", "own-load", "check",       "update-all"};
    host::HostOptions options;
    std::string error;
    if (!host::parseCommandLine(arguments, options, error))
        return error;
    std::string text = options.project.path.empty() ? "" : options.project.path + ": ";
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
         "C:\\p: --list --edit Pos 3 --recalculate x.017 --window --loads --sheet --own-load 3.01 "
         "--check --update-all "},
        {{"--sample", "--list"}, "--list "},
        {{"--sample", "D:\\s", "--pictures", "D:\\p"}, "D:\\s: --window "},
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"--edit"}, "--edit needs a value"},
        {{"--project", "--list"}, "--project needs a value"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.meaning, normalised(c.arguments));
}

// Runs kvhost.exe from the test program's folder with its output in the file out; its exit
// code and what it printed.
DWORD runHost(const std::string& arguments, const std::string& out, std::string& printed)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = CreateFileA(
        out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + ProgramFolder() + "\\kvhost.exe\" " + arguments;
    DWORD code = 999;
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(startup.hStdOutput);
    std::ifstream in(out); // in text mode: lines end in \n
    printed.assign(std::istreambuf_iterator<char>(in), {});
    return code;
}

TEST_F(HostFixture, TheProgramPrintsWhatItDidAndStopsAtTheFirstFailureWithItsExitCode)
{
    const host::HostPosition open = m_project.positions()[6]; // every seventh is not calculated
    const std::string out = m_generated.folders().root + "kvhost.txt";
    // Without the trailing backslash, which would escape the closing quote.
    const std::string& folder = m_generated.folders().project;
    const std::string project = "--project \"" + folder.substr(0, folder.size() - 1) + "\" ";
    std::string text;
    EXPECT_EQ(0u, runHost(project + "--recalculate \"" + open.name + "\" --list --update-all", out,
                          text));
    EXPECT_LT(text.find("recalculated " + open.name + "\n"),
              text.find(open.name + "\t" + open.program + "\tcalculated\t" + open.loadFile))
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
        EXPECT_EQ(f.code, runHost(f.arguments, out, text));
        EXPECT_NE(std::string::npos, text.find(f.printed)) << text;
        EXPECT_EQ(std::string::npos, text.find('\t')) << "nothing after the failure";
    }
}

} // namespace
