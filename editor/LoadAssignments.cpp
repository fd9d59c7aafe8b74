// The load assignment lists of transfers: a fresh one from the request's default own
// load, and a copy of another transfer's.
#include "editor/CKVEditor.h"

#include "editor/OwnLoadName.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVLoadAssignment.h"
#include "model/KVSupport.h"
#include "model/OwnedArray.h"

#include <algorithm>

// Entries come from the first support's loads and only into an empty list. With
// keepOwnLoads the loads keep their own loads and only the first support is visited.
void CKVEditor::InitAssignments(KVItem& item, const KVEditRequest& request, bool keepOwnLoads)
{
    const bool create = item.m_loadAssignments.IsEmpty();
    const int32_t defaultLoad = request.defaultLoad.value;
    const INT_PTR supports =
        keepOwnLoads ? std::min<INT_PTR>(item.GetSupportCount(), 1) : item.GetSupportCount();
    for (INT_PTR s = 0; s < supports; ++s) {
        const KVSupport& support = *item.GetSupport(s);
        for (INT_PTR k = 0; k < support.GetLoadCount(); ++k) {
            KVLoad& load = *support.GetLoad(k);
            if (request.loadCount.value <= 0) {
                load.ownLoad = -1;
                load.m_strOwnLoad.Empty();
                continue;
            }
            if (!keepOwnLoads) {
                load.ownLoad = defaultLoad;
                load.m_strOwnLoad = OwnLoadName(request, defaultLoad);
            }
            if (s == 0 && create)
                item.m_loadAssignments.Add(new KVLoadAssignment(
                    static_cast<DWORD>(k), load.m_strName, static_cast<DWORD>(defaultLoad),
                    OwnLoadName(request, load.ownLoad)));
        }
    }
}

void CKVEditor::CopyAssignments(KVItem& to, const KVItem& from)
{
    AppendCopies<KVLoadAssignment>(to.m_loadAssignments, from.m_loadAssignments);
}
