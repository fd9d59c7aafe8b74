#include "host/HostActions.h"

#include "entry/Exports.h"
#include "host/EditRequest.h"
#include "model/LoadDataInterface.h"

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
    const HostPosition& position = project.positions().at(index);
    LoadDataRecord block{};
    const char* file = position.loadFile.c_str();
    const bool read = (LoadSerializeData(1, file, &block) & 0xFFFF) == 0;
    const bool written = read && (LoadSerializeData(0, file, &block) & 0xFFFF) == 0;
    LoadFreeData(&block);
    if (!written) {
        error = std::string(read ? "cannot write " : "cannot read ") + position.loadFile;
        return false;
    }
    return project.markCalculated(index, error);
}

} // namespace host
