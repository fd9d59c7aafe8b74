#include "host/CProjectPage.h"

#include "host/HostResources.h"
#include "host/HostTexts.h"
#include "host/Installation.h"

namespace host
{

CProjectPage::CProjectPage(const HostProject& project)
    : CPropertyPage(IDD_HOST_PROJECT_PAGE, hostTextId(kTextProjectPage, currentLanguage())),
      m_project(project)
{
}

BOOL CProjectPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    const struct {
        int label;
        HostText text;
        int field;
        std::string value;
    } rows[] = {
        {IDC_PROJECT_NAME_LABEL, kTextProjectName, IDC_PROJECT_NAME, m_project.name()},
        {IDC_PROJECT_FOLDER_LABEL, kTextProjectFolder, IDC_PROJECT_FOLDER, m_project.directory()},
        {IDC_POSITION_COUNT_LABEL, kTextPositionCount, IDC_POSITION_COUNT,
         std::to_string(m_project.positions().size())}};
    for (const auto& row : rows) {
        SetDlgItemText(row.label, hostText(row.text));
        SetDlgItemText(row.field, row.value.c_str());
    }
    return TRUE;
}

} // namespace host
