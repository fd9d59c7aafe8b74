#include "tests/dialogs/SubdialogTestSupport.h"

#include "framework/ModuleState.h"
#include "model/KVComponent.h"
#include "model/KVLoad.h"
#include "model/KVSupport.h"
#include "tests/model/LoadDataBuilder.h"

void SubdialogTest::SetUp()
{
    const std::string library = std::string("kesvar_") + GetParam() + ".dll";
    m_hLanguage = ::LoadLibraryA(library.c_str());
    ASSERT_NE(nullptr, m_hLanguage) << library;
    m_hPrevious = AfxGetResourceHandle();
    AfxSetResourceHandle(m_hLanguage);
    ASSERT_EQ(0, m_settings.OpenSettings());
}

void SubdialogTest::TearDown()
{
    m_settings.Close();
    AfxSetResourceHandle(m_hPrevious);
    if (m_hLanguage)
        ::FreeLibrary(m_hLanguage);
}

std::string SubdialogTest::String(UINT id) const
{
    char text[512] = "";
    ::LoadStringA(m_hLanguage, id, text, sizeof text);
    return text;
}

std::string SubdialogTest::ShotName(const char* name) const
{
    return std::string(name) + "-" + GetParam();
}

std::unique_ptr<KVItem> MakeItem(int32_t coordinateSystem)
{
    const std::vector<std::string> supports = {"A", "B"}, loads = {"G", "Q"};
    LoadDataBuilder data(supports, loads, 1, coordinateSystem);
    for (size_t s = 0; s < supports.size(); ++s)
        for (size_t l = 0; l < loads.size(); ++l) {
            BlockSpec& block = data.Block(s, l);
            const std::string prefix = supports[s] + loads[l];
            block.names = {prefix + "x", prefix + "z"};
            block.kinds = {0, 2};
            block.values = {1.0, 2.0};
        }
    auto item = std::make_unique<KVItem>();
    item->m_strPosition = "TR12";
    item->BuildFromLoadData(1, data.Record());
    return item;
}

KVComponent& ComponentOf(const KVItem& item, int s, int l, int c)
{
    return *item.GetSupport(s)->GetLoad(l)->GetComponent(c);
}

std::vector<KVComponent*> Components(const KVItem& item)
{
    std::vector<KVComponent*> components;
    for (int s = 0; s < item.GetSupportCount(); ++s)
        for (int l = 0; l < item.GetSupport(s)->GetLoadCount(); ++l)
            for (int c = 0; c < item.GetSupport(s)->GetLoad(l)->GetComponentCount(); ++c)
                components.push_back(&ComponentOf(item, s, l, c));
    return components;
}

std::vector<std::string> Rows(const harness::Window& list)
{
    std::vector<std::string> rows;
    for (int row = 0; row < list.RowCount(); ++row)
        rows.push_back(list.RowText(row));
    return rows;
}
