#include "host/LoadPage.h"

#include "entry/Exports.h"
#include "framework/CPropertySheet.h"
#include "host/CProjectPage.h"
#include "host/HostTexts.h"
#include "page/CMyPropertyPage2.h"

#include <memory>
#include <vector>

namespace host
{

RecalculationRequest showTransferredLoads(const HostProject& project, HWND parent)
{
    std::vector<const char*> names, files;
    for (const HostPosition& position : project.positions()) {
        names.push_back(position.name.c_str());
        files.push_back(position.loadFile.c_str());
    }
    int recalculate = 0;
    char file[MAX_PATH + 1] = "";
    FillNamesForDialog(parent, project.name().c_str(), static_cast<unsigned int>(names.size()),
                       names.data(), files.data(), &recalculate, file);
    RecalculationRequest request;
    request.requested = recalculate == 1;
    if (request.requested) {
        request.file = file;
        request.index = project.find(file);
    }
    return request;
}

INT_PTR showLoadSheet(const HostProject& project, CWnd* parent)
{
    std::unique_ptr<CMyPropertyPage2> loads(
        static_cast<CMyPropertyPage2*>(RUNTIME_CLASS(CMyPropertyPage2)->CreateObject()));
    if (!loads)
        return IDCANCEL;
    loads->SetPrjName(project.name().c_str());
    for (const HostPosition& position : project.positions())
        loads->AddPosition(position.name.c_str(), position.loadFile.c_str());
    CProjectPage own(project);
    // Opened on the module's page: the loads are what the command is for.
    CPropertySheet sheet(hostText(kTextSheetCaption, project.name().c_str()), parent, 1);
    sheet.AddPage(&own);
    sheet.AddPage(loads.get());
    return sheet.DoModal();
}

} // namespace host
