#include "host/HostCommands.h"

#include "host/CHostWindow.h"
#include "host/HostActions.h"
#include "host/Installation.h"
#include "host/WindowCapture.h"
#include "loaddata/SuiteEnvironment.h"

#include <memory>

namespace host
{

namespace
{

const char* outcomeWord(EditOutcome outcome)
{
    switch (outcome) {
    case EditOutcome::Saved:
        return "saved (the position needs recalculating)";
    case EditOutcome::Cancelled:
        return "cancelled";
    case EditOutcome::NoLoadData:
        break;
    }
    return "not opened: the position has no load data";
}

void listPositions(const HostProject& project, std::ostream& out)
{
    for (const HostPosition& position : project.positions())
        out << position.name << "\t" << position.program << "\t" << stateWord(position.state)
            << "\t" << position.loadFile << "\n";
}

class CommandRun
{
  public:
    CommandRun(const HostOptions& options, HostProject& project, std::ostream& out)
        : m_options(options), m_project(project), m_out(out)
    {
    }

    bool run(const HostCommand& command)
    {
        using Kind = HostCommand::Kind;
        if (command.kind == Kind::List) {
            listPositions(m_project, m_out);
            return true;
        }
        const auto capture = pictures(command);
        if (command.kind == Kind::Window) {
            CHostWindow window(m_project);
            window.DoModal();
            m_out << "window closed\n";
            return true;
        }
        const int index = m_project.find(command.position);
        if (index < 0) {
            m_out << "no position " << command.position << " in the project\n";
            return false;
        }
        const std::string& name = m_project.positions()[index].name;
        if (command.kind == Kind::Edit) {
            m_out << "edit " << name << ": "
                  << outcomeWord(editTransfers(m_project, static_cast<std::size_t>(index), nullptr))
                  << "\n";
            return true;
        }
        std::string error;
        const bool done = recalculate(m_project, static_cast<std::size_t>(index), error);
        m_out << (done ? "recalculated " + name : "cannot recalculate " + name + ": " + error)
              << "\n";
        return done;
    }

  private:
    std::unique_ptr<WindowCapture> pictures(const HostCommand& command) const
    {
        static const char* const labels[] = {"list", "edit", "recalculate", "window"};
        if (m_options.pictures.empty())
            return nullptr;
        return std::make_unique<WindowCapture>(m_options.pictures,
                                               labels[static_cast<int>(command.kind)], m_out);
    }

    const HostOptions& m_options;
    HostProject& m_project;
    std::ostream& m_out;
};

} // namespace

const char* stateWord(PositionState state)
{
    switch (state) {
    case PositionState::Calculated:
        return "calculated";
    case PositionState::NotCalculated:
        return "not-calculated";
    case PositionState::Changed:
        return "changed";
    case PositionState::NoLoadData:
        break;
    }
    return "no-load-data";
}

int runCommands(const HostOptions& options, std::ostream& out)
{
    if (!options.language.empty()) {
        if (!setLanguage(options.language)) {
            out << "unknown language " << options.language << " (deu or eng)\n";
            return 1;
        }
        out << "language " << currentLanguage() << " from the module's next call\n";
    }
    if (options.commands.empty())
        return 0;
    std::string folder, error;
    HostProject project;
    if (!locateProject(options.project, folder, out, error) ||
        !project.open(folder, loaddata::programRoot(), error)) {
        out << "cannot open the project: " << error << "\n";
        return 2;
    }
    out << "project " << project.name() << " in " << project.directory() << ": "
        << project.positions().size() << " positions\n";
    CommandRun run(options, project, out);
    for (const HostCommand& command : options.commands)
        if (!run.run(command))
            return 1;
    return 0;
}

} // namespace host
