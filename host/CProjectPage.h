// The host's own page in its load sheet: the project's name, folder and position count.
#pragma once

#include "framework/CPropertyPage.h"
#include "host/HostProject.h"

namespace host
{

class CProjectPage : public CPropertyPage
{
  public:
    explicit CProjectPage(const HostProject& project);

  protected:
    BOOL OnInitDialog() override;

  private:
    const HostProject& m_project;
};

} // namespace host
