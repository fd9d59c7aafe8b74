// A transfer's source position loaded afresh, and the marks one stored record sets in it.
#include "editor/CKVEditor.h"

#include "model/KVComponent.h"
#include "model/KVItem.h"
#include "model/KVLoad.h"
#include "model/KVSupport.h"
#include "model/LoadDataInterface.h"
#include "model/LoadDataResult.h"
#include "model/PositionStatus.h"
#include "resources/ResourceIds.h"

#include <cstring>

namespace
{

// The suite's position names: name, program code and two fields whose characters say
// whether the position changed since its last calculation.
struct PositionNames {
    char name[264] = {};
    char programCode[264] = {};
    char field21[264] = {};
    char field76[264] = {};
};

CString LoadedString(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

// Steps on the loaded record; the caller releases the record whatever happens here.
bool DescribeLoadedPosition(KVItem& item, const char* path, LoadDataRecord& record)
{
    if (!LoadDataSucceeded(LoadSerializeData(1, path, &record)))
        return false;
    PositionNames names;
    std::strncpy(names.name, item.m_strPosition, sizeof names.name - 1);
    if (Get_Position_Name(path, names.name, names.programCode, names.field21, names.field76) < 1)
        return false;
    item.m_nCoordinateSystem = record.coordinateSystem;
    item.BuildUnselected(record);
    item.m_strStatus = LoadedString(PositionStatusString(names.field21, names.field76));
    if (item.projectRef == 0) {
        char program[264] = {};
        if (Get_Program_Name(names.programCode, program, names.field21, names.field76) < 1)
            return false;
        item.m_strProgram = program;
    } else {
        item.m_strPosition = names.name;
        item.m_strPosition.TrimRight();
        item.m_strProgram = LoadedString(IDS_GROUP_FEM);
    }
    return true;
}

} // namespace

bool CKVEditor::LoadSourcePosition(KVItem& item)
{
    char path[264] = {};
    if (Get_Position_File_New_Ex(item.projectRef, item.m_strPosition, path) < 1)
        return false;
    path[sizeof path - 1] = '\0';
    const char* lastSeparator = std::strrchr(path, '\\');
    item.m_strDirectory = CString(path, lastSeparator ? int(lastSeparator - path) + 1 : 0);
    LoadDataRecord record{};
    const bool described = DescribeLoadedPosition(item, path, record);
    LoadFreeData(&record);
    return described;
}

// Each level must still have the count the record was saved with, and the index must
// lie within it; the marks set before a failing check stay.
bool CKVEditor::ApplyRecord(KVItem& item, const BindRecord& record)
{
    auto fits = [](int32_t count, int32_t index, INT_PTR actual) {
        return count == actual && index >= 0 && index < count;
    };
    if (!fits(record.supportCount, record.supportIndex, item.GetSupportCount()))
        return false;
    KVSupport& support = *item.GetSupport(record.supportIndex);
    support.m_nSelected = 1;
    if (!fits(record.loadCount, record.loadIndex, support.GetLoadCount()))
        return false;
    KVLoad& load = *support.GetLoad(record.loadIndex);
    load.m_nSelected = 1;
    load.ownLoad = record.ownLoad;
    if (!fits(record.componentCount, record.componentIndex, load.GetComponentCount()))
        return false;
    KVComponent& component = *load.GetComponent(record.componentIndex);
    component.m_nSelected = 1;
    component.factor = record.factor;
    component.idealisation = record.idealisation;
    return true;
}
