// A generated project, the suite's current one, opened by the host; the settings name the
// test program's folder (where the module and its language libraries are) and German.
#pragma once

#include "host/CHostWindow.h"
#include "host/HostProject.h"
#include "host/HostResources.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
#include "tests/harness/Harness.h"
#include "tests/loaddata/project/GeneratedProject.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/RegistrySandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>

class HostFixture : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_sandbox.SetString(settings::kProgramPath, ProgramFolder().c_str());
        m_sandbox.SetString(settings::kLanguage, "deu");
        ASSERT_TRUE(m_generated.written());
        std::string error;
        ASSERT_TRUE(
            m_project.open(m_generated.folders().project, m_generated.folders().programRoot, error))
            << error;
    }

    // The positions of the current project, in plan order, as the data tool made them.
    std::vector<const kvdata::Position*> listedPositions() const
    {
        std::vector<const kvdata::Position*> listed;
        for (const kvdata::Position& p : m_generated.building().positions)
            if (!p.fem)
                listed.push_back(&p);
        std::sort(listed.begin(), listed.end(),
                  [](auto* a, auto* b) { return a->planIndex < b->planIndex; });
        return listed;
    }

    // The host's main window, run while script drives it and then closes it.
    void Run(const std::function<void(harness::Window main)>& script)
    {
        host::CHostWindow window(m_project);
        harness::RunScripted([&] { return window.DoModal(); },
                             [&] {
                                 harness::Window main = harness::WaitForDialog(IDC_POSITIONS);
                                 script(main);
                                 main.Control(IDCANCEL).Click();
                             });
    }

    RegistrySandbox m_sandbox{kSettingsKeyPath};
    GeneratedProject m_generated;
    host::HostProject m_project;
};
