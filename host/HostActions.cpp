#include "host/HostActions.h"

#include "entry/Exports.h"
#include "host/Calculation.h"
#include "host/EditRequest.h"

namespace host
{

EditOutcome editTransfers(HostProject& project, std::size_t index, HWND parent)
{
    const HostPosition& position = project.positions().at(index);
    EditRequest request(position, parent);
    if (!request.hasLoadData())
        return EditOutcome::NoLoadData;
    if (DoModalKVEdit(request.get()) != 1)
        return EditOutcome::Cancelled;
    // The transfers are saved either way; a plan file that cannot be written keeps its state.
    std::string ignored;
    project.markChanged(index, ignored);
    return EditOutcome::Saved;
}

bool recalculate(HostProject& project, std::size_t index, std::string& error)
{
    return calculatePosition(project.positions().at(index).loadFile, error) &&
           project.markCalculated(index, error);
}

} // namespace host
