#include "host/HostCommands.h"

#include "host/CCheckWindow.h"
#include "host/CHostWindow.h"
#include "host/COwnLoadDialog.h"
#include "host/HostActions.h"
#include "host/Installation.h"
#include "host/LoadPage.h"
#include "host/LoadPathCheck.h"
#include "host/ProjectUpdate.h"
#include "host/WindowCapture.h"
#include "loaddata/SuiteEnvironment.h"

#include <memory>

namespace host
{

namespace
{

const char* outcomeWord(EditOutcome outcome)
{
    static const char* const words[] = {"saved (the position needs recalculating)", "cancelled",
                                        "not opened: the position has no load data"};
    return words[static_cast<int>(outcome)];
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
        if (command.kind == Kind::Sheet) {
            const INT_PTR result = showLoadSheet(m_project, nullptr);
            m_out << "load sheet closed with " << (result == IDOK ? "OK" : "Cancel") << "\n";
            return true;
        }
        if (command.kind == Kind::Loads)
            return transferredLoads();
        if (command.kind == Kind::Check) {
            CCheckWindow window(m_project, nullptr);
            window.DoModal();
            m_out << "check window closed\n";
            return true;
        }
        if (command.kind == Kind::UpdateAll)
            return updateAll();
        const int index = m_project.find(command.position);
        if (index < 0) {
            m_out << "no position " << command.position << " in the project\n";
            return false;
        }
        const std::string& name = m_project.positions()[index].name;
        if (command.kind == Kind::Edit) {
            const EditOutcome outcome =
                editTransfers(m_project, static_cast<std::size_t>(index), nullptr);
            m_out << "edit " << name << ": " << outcomeWord(outcome) << "\n";
            return true;
        }
        if (command.kind == Kind::OwnLoad)
            return ownLoad(static_cast<std::size_t>(index));
        return recalculateAndSay(static_cast<std::size_t>(index));
    }

  private:
    bool ownLoad(std::size_t index)
    {
        const HostPosition& position = m_project.positions()[index];
        if (!COwnLoadDialog::CanEdit(position)) {
            m_out << "own load " << position.name << ": no design input\n";
            return false;
        }
        COwnLoadDialog dialog(m_project, index, nullptr);
        const bool changed = dialog.DoModal() == IDOK;
        m_out << "own load " << position.name << ": "
              << (changed ? "changed (the position needs recalculating)" : "unchanged") << "\n";
        return true;
    }

    bool updateAll()
    {
        LoadPathCheck check;
        const int result = checkLoadPath(m_project.directory(), check);
        if (result != 0) {
            m_out << "cannot check the project: result " << result << "\n";
            return false;
        }
        std::string failed, failure;
        const std::size_t done = updateInOrder(
            m_project, check.order, [](std::size_t) { return true; }, failed, failure);
        for (std::size_t k = 0; k < done; ++k)
            m_out << "updated " << m_project.positions()[m_project.find(check.order[k])].name
                  << "\n";
        if (!failure.empty()) {
            m_out << "cannot update " << failed << ": " << failure << "\n";
            return false;
        }
        checkLoadPath(m_project.directory(), check);
        m_out << "update all: " << done << " position(s) updated, " << check.staleCount()
              << " transfer(s) stale\n";
        return check.staleCount() == 0;
    }

    bool transferredLoads()
    {
        const RecalculationRequest request = showTransferredLoads(m_project, nullptr);
        if (!request.requested) {
            m_out << "transferred loads: no recalculation requested\n";
            return true;
        }
        m_out << "transferred loads: recalculation requested for " << request.file << "\n";
        if (request.index < 0) {
            m_out << "not a position of the project: not recalculated\n";
            return false;
        }
        return recalculateAndSay(static_cast<std::size_t>(request.index));
    }

    bool recalculateAndSay(std::size_t index)
    {
        const std::string& name = m_project.positions()[index].name;
        std::string error;
        const bool done = recalculate(m_project, index, error);
        m_out << (done ? "recalculated " + name : "cannot recalculate " + name + ": " + error)
              << "\n";
        return done;
    }

    std::unique_ptr<WindowCapture> pictures(const HostCommand& command) const
    {
        static const char* const labels[] = {"list",     "edit",  "recalculate",
                                             "window",   "loads", "sheet",
                                             "own-load", "check", "update-all"};
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
    static const char* const words[] = {"calculated", "not-calculated", "changed", "no-load-data"};
    return words[static_cast<int>(state)];
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
