#include "tests/dialogs/SubdialogTestSupport.h"

#include "model/KVLoad.h"
#include "model/KVSupport.h"
#include "tests/model/LoadDataBuilder.h"

std::unique_ptr<KVItem> MakeItem()
{
    const std::vector<std::string> supports = {"A", "B"}, loads = {"G", "Q"};
    LoadDataBuilder data(supports, loads);
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
