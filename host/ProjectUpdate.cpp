#include "host/ProjectUpdate.h"

#include "editor/CKVEditor.h"
#include "entry/LanguageLibrary.h"
#include "framework/ModuleState.h"
#include "host/EditRequest.h"
#include "host/HostActions.h"
#include "loaddata/PositionFileName.h"
#include "loaddata/TransferFile.h"

namespace host
{

namespace
{

// The editor's texts (its transfer names' prefixes, the source status texts) come from the
// language library, as when the module runs it; the host's own resources afterwards.
class EditorResources
{
  public:
    EditorResources() : m_previous(AfxGetResourceHandle())
    {
        if (m_language.Handle() != nullptr)
            AfxSetResourceHandle(m_language.Handle());
    }
    ~EditorResources() { AfxSetResourceHandle(m_previous); }
    EditorResources(const EditorResources&) = delete;
    EditorResources& operator=(const EditorResources&) = delete;

    bool loaded() const { return m_language.Handle() != nullptr; }

  private:
    LanguageLibrary m_language;
    HINSTANCE m_previous;
};

// The transfers the editor makes of the file: one per run of records with one number.
int transfersInFile(const std::string& loadFile)
{
    std::string transferFile;
    loaddata::transferFileOf(loadFile, transferFile);
    loaddata::TransferData data;
    loaddata::readTransferFile(transferFile, data);
    int runs = 0;
    int32_t previous = 0;
    for (const loaddata::TransferRecord& record : data.records)
        if (record.fields.transferNumber != previous) {
            previous = record.fields.transferNumber;
            ++runs;
        }
    return runs;
}

bool rewriteTransfers(const HostPosition& position, std::string& error)
{
    EditRequest request(position, nullptr);
    EditorResources resources;
    if (!request.hasLoadData() || !resources.loaded()) {
        error = request.hasLoadData() ? "the language library is missing"
                                      : "its load file cannot be read";
        return false;
    }
    CKVEditor editor(request.get(), nullptr);
    if (editor.ReadTransfers() != 0) {
        error = "its transfer file cannot be read";
        return false;
    }
    if (!editor.m_bAllValid || editor.GetTransferCount() != transfersInFile(position.loadFile)) {
        error = "a source is missing or no longer fits: open its load transfers";
        return false;
    }
    if (editor.WriteTransfers() != 0) {
        error = "its transfer file cannot be written";
        return false;
    }
    return true;
}

} // namespace

bool updatePosition(HostProject& project, std::size_t index, std::string& error)
{
    return rewriteTransfers(project.positions().at(index), error) &&
           recalculate(project, index, error);
}

std::size_t updateInOrder(HostProject& project, const std::vector<std::string>& order,
                          const std::function<bool(std::size_t done)>& next, std::string& failed,
                          std::string& failure)
{
    std::size_t done = 0;
    for (; done < order.size(); ++done) {
        if (done > 0 && !next(done))
            break;
        const int index = project.find(order[done]);
        failure = "not a position of the project";
        if (index < 0 || !updatePosition(project, static_cast<std::size_t>(index), failure)) {
            failed = index < 0 ? order[done] : project.positions()[index].name;
            break;
        }
        failure.clear();
    }
    return done;
}

} // namespace host
