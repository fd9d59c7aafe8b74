// The command-line mode: its options, and what each command does and prints on a
// generated project.
#include "HostFixture.h"

#include "host/CommandLine.h"
#include "host/HostCommands.h"
#include "resources/ResourceIds.h"
#include "tests/harness/Harness.h"

#include <sstream>

namespace
{

using Kind = host::HostCommand::Kind;

host::HostOptions parsed(const std::vector<std::string>& arguments)
{
    host::HostOptions options;
    std::string error;
    EXPECT_TRUE(host::parseCommandLine(arguments, options, error)) << error;
    return options;
}

std::string refused(const std::vector<std::string>& arguments)
{
    host::HostOptions options;
    std::string error;
    EXPECT_FALSE(host::parseCommandLine(arguments, options, error));
    return error;
}

TEST(CommandLine, OptionsChooseTheProjectTheLanguageAndCommandsInTheirOrder)
{
    host::HostOptions none = parsed({});
    ASSERT_EQ(1u, none.commands.size());
    EXPECT_EQ(Kind::Window, none.commands[0].kind);
    EXPECT_EQ(host::ProjectChoice::Kind::Current, none.project.kind);

    EXPECT_TRUE(parsed({"--language", "eng"}).commands.empty()) << "only the switch";

    host::HostOptions some = parsed(
        {"--project", "C:\\p", "--list", "--edit", "Pos 3", "--recalculate", "x.017", "--window"});
    EXPECT_EQ(host::ProjectChoice::Kind::Folder, some.project.kind);
    EXPECT_EQ("C:\\p", some.project.path);
    ASSERT_EQ(4u, some.commands.size());
    EXPECT_EQ(Kind::List, some.commands[0].kind);
    EXPECT_EQ(Kind::Edit, some.commands[1].kind);
    EXPECT_EQ("Pos 3", some.commands[1].position);
    EXPECT_EQ(Kind::Recalculate, some.commands[2].kind);
    EXPECT_EQ(Kind::Window, some.commands[3].kind);

    host::HostOptions pages = parsed({"--loads", "--sheet"});
    ASSERT_EQ(2u, pages.commands.size());
    EXPECT_EQ(Kind::Loads, pages.commands[0].kind);
    EXPECT_EQ(Kind::Sheet, pages.commands[1].kind);

    EXPECT_EQ("", parsed({"--sample", "--list"}).project.path);
    EXPECT_EQ("D:\\s", parsed({"--sample", "D:\\s", "--pictures", "D:\\p"}).project.path);
    EXPECT_EQ("D:\\p", parsed({"--pictures", "D:\\p", "--list"}).pictures);

    EXPECT_EQ("unknown option --frobnicate", refused({"--frobnicate"}));
    EXPECT_EQ("--edit needs a value", refused({"--edit"}));
    EXPECT_EQ("--project needs a value", refused({"--project", "--list"}));
}

TEST_F(HostFixture, ListPrintsEveryPositionWithItsStateAndRecalculateRecordsIt)
{
    const host::HostPosition open = m_project.positions()[6]; // every seventh is not calculated
    ASSERT_EQ(host::PositionState::NotCalculated, open.state);
    std::ostringstream out;
    EXPECT_EQ(0, host::runCommands(parsed({"--project", m_generated.folders().project, "--list",
                                           "--recalculate", open.name, "--list"}),
                                   out));
    const std::string text = out.str();
    EXPECT_EQ(0u, text.find("project " + m_project.name() + " in " + m_project.directory() + ": " +
                            std::to_string(m_project.positions().size()) + " positions\n"));
    const std::string before =
        open.name + "\t" + open.program + "\tnot-calculated\t" + open.loadFile + "\n";
    const std::string after = open.name + "\t" + open.program + "\tcalculated\t" + open.loadFile;
    EXPECT_NE(std::string::npos, text.find(before)) << text;
    EXPECT_NE(std::string::npos, text.find("recalculated " + open.name + "\n")) << text;
    EXPECT_LT(text.find("recalculated "), text.find(after)) << text;
}

TEST_F(HostFixture, AnUnknownPositionOrProjectFailsWithTheReason)
{
    std::ostringstream out;
    EXPECT_EQ(1, host::runCommands(parsed({"--edit", "Pos 999", "--list"}), out));
    EXPECT_NE(std::string::npos, out.str().find("no position Pos 999 in the project\n"));
    EXPECT_EQ(std::string::npos, out.str().find("\t")) << "the list after it is not run";
    out.str("");
    EXPECT_EQ(2,
              host::runCommands(parsed({"--project", m_generated.folders().root, "--list"}), out));
    EXPECT_EQ(0u, out.str().find("cannot open the project: no plan file in ")) << out.str();
    out.str("");
    EXPECT_EQ(1, host::runCommands(parsed({"--language", "fra"}), out));
    EXPECT_EQ("unknown language fra (deu or eng)\n", out.str());
}

TEST_F(HostFixture, EditOpensTheEditorForThePositionAndCancelLeavesItUnchanged)
{
    const host::HostPosition& position = m_project.positions()[3];
    std::ostringstream out;
    const INT_PTR result = harness::RunScripted(
        [&] {
            return host::runCommands(parsed({"--language", "eng", "--edit", position.name}), out);
        },
        [&] { harness::WaitForDialog(IDC_TRANSFER_LIST).Control(IDCANCEL).Click(); });
    EXPECT_EQ(0, result);
    EXPECT_NE(std::string::npos, out.str().find("language eng from the module's next call\n"));
    EXPECT_NE(std::string::npos, out.str().find("edit " + position.name + ": cancelled\n"))
        << out.str();
}

} // namespace

namespace
{

// Runs kvhost.exe from the test program's folder with its output in a pipe; its exit code.
DWORD runHost(const std::string& arguments, std::string& output)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0))
        return 999;
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = write;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + ProgramFolder() + "\\kvhost.exe\" " + arguments;
    const BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(write);
    char buffer[4096];
    DWORD got = 0;
    while (started && ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0)
        output.append(buffer, got);
    CloseHandle(read);
    if (!started)
        return 999;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 999;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

TEST_F(HostFixture, TheProgramPrintsWhatItDidAndEndsWithItsExitCode)
{
    const host::HostPosition& first = m_project.positions()[0];
    // Without the trailing backslash, which would escape the closing quote.
    const std::string folder = m_project.directory().substr(0, m_project.directory().size() - 1);
    std::string output;
    EXPECT_EQ(0u, runHost("--project \"" + folder + "\" --list", output));
    EXPECT_NE(std::string::npos, output.find(first.name + "\t" + first.program)) << output;
    output.clear();
    EXPECT_EQ(1u, runHost("--project \"" + folder + "\" --edit Nirgends", output));
    EXPECT_NE(std::string::npos, output.find("no position Nirgends in the project")) << output;
    output.clear();
    EXPECT_EQ(2u, runHost("--bogus", output));
    EXPECT_EQ(0u, output.find("kvhost: unknown option --bogus")) << output;
    EXPECT_NE(std::string::npos, output.find("usage: kvhost")) << output;
}

} // namespace
