// A generated sample project and the request a host makes for its position that is fed by
// several sources, one of them a FEM slab.
#pragma once

#include "entry/KVEditRequest.h"
#include "tests/loaddata/project/GeneratedProject.h"

#include <functional>
#include <string>
#include <vector>

class EditorProject
{
  public:
    // change may alter the own position's stored transfers before the project is written.
    explicit EditorProject(const std::function<void(kvdata::Position& own)>& change = {});

    const kvdata::Position& Source(const kvdata::Transfer& transfer) const
    {
        return project.building().positions[static_cast<size_t>(transfer.source)];
    }
    // The source of the own position's stored transfer number i gains a support, written
    // as a design program writes it after a new calculation; its supports' count.
    size_t GiveTheSourceASupport(size_t i);

    GeneratedProject project;
    const kvdata::Position& own;
    KVEditRequest request{};

  private:
    std::string m_base;
    std::vector<KVOwnLoad> m_loads;
};
