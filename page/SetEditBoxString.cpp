// The text of the loads transferred into the selected position: a heading, then per
// incoming transfer its source, where that lies, which load, support and reaction it
// passes on, and the value.
#include "page/CMyPropertyPage2.h"

#include "model/LoadDataInterface.h"
#include "model/LoadDataResult.h"
#include "page/LoadPageString.h"
#include "page/LoadText.h"
#include "page/TransferReading.h"
#include "resources/ResourceIds.h"

namespace
{

// The transfer file stays open from InitBindData to the end of the scope.
struct BindReader {
    BindReader() = default;
    BindReader(const BindReader&) = delete;
    BindReader& operator=(const BindReader&) = delete;
    ~BindReader() { LoadBindFree(); }
};

// A source position's load data, released with the object.
struct SourceLoadData {
    LoadDataRecord block{};
    SourceLoadData() = default;
    SourceLoadData(const SourceLoadData&) = delete;
    SourceLoadData& operator=(const SourceLoadData&) = delete;
    ~SourceLoadData() { LoadFreeData(&block); }
};

// Volume, group and project of the selected position; empty where it has none.
struct ReferenceNames {
    char volume[260] = "";
    char group[260] = "";
    char project[260] = "";
};

// Headers and their assignment rows come before the records; the text needs none of them.
void SkipHeaders(int nHeaders)
{
    for (int h = 0; h < nHeaders; ++h) {
        char header[264] = "";
        int nTransfer = 0;
        ReadTransferHeader(header, nTransfer);
    }
}

// A name call's text, or empty when the call finds none.
void ReadName(int (*call)(LPCSTR, char*), LPCSTR file, char* name)
{
    if (call(file, name) < 1)
        name[0] = '\0';
}

// The other position's name when it has one that differs from the reference.
bool DiffersFrom(int (*call)(LPCSTR, char*), LPCSTR file, LPCSTR reference, char* name)
{
    return call(file, name) > 0 && lstrcmpiA(name, reference) != 0;
}

void AppendLine(CString& text, UINT nLabel, LPCSTR value, LPCSTR sep)
{
    text += CString(kLabelIndent) + LoadPageString(nLabel) + value + sep;
}

// One incoming transfer with its source position.
struct IncomingTransfer {
    BindRecord record;
    char sourceFile[260];   // the source's load file
    char positionFile[260]; // its transfer file, which names it in the name calls
    char name[260];
    char programCode[6];
};

// Lines 2 to 9: where the source lies and what it passes on; the reaction's force kind.
int AppendSourceLines(CString& text, const IncomingTransfer& in, const ReferenceNames& ref,
                      const LoadDataRecord& block, LPCSTR sep)
{
    char name[260] = "";
    if (DiffersFrom(Get_Volume_Name, in.positionFile, ref.volume, name))
        AppendLine(text, IDS_PAGE_VOLUME, name, sep);
    if (DiffersFrom(Get_Gruppe_Name, in.positionFile, ref.group, name))
        AppendLine(text, IDS_PAGE_GROUP, name, sep);
    if (in.record.projectRef == 0) {
        if (DiffersFrom(Get_Project_Name, in.positionFile, ref.project, name))
            AppendLine(text, IDS_PAGE_PROJECT, name, sep);
        char shortName[21] = "", version[76] = "";
        if (Get_Program_Name(in.programCode, name, shortName, version) > 0)
            AppendLine(text, IDS_PAGE_PROGRAM, name, sep);
    } else {
        AppendLine(text, IDS_PAGE_FEM_PROJECT, "", sep);
    }
    if (LoadGetLoadName(in.record.loadIndex, name, &block) > 0)
        AppendLine(text, IDS_PAGE_LOAD, name, sep);
    if (LoadGetSupportName(in.record.supportIndex, name, &block) > 0)
        AppendLine(text, IDS_PAGE_SUPPORT, name, sep);
    // Without the reaction its force kind is unknown: the value is shown without a unit.
    int forceKind = 0;
    if (LoadGetReactionName(in.record.supportIndex, in.record.loadIndex, in.record.componentIndex,
                            &forceKind, name, &block) > 0)
        AppendLine(text, IDS_PAGE_REACTION, name, sep);
    return forceKind;
}

// Reads transfer i, finds its source and the source's name; false when any of it fails or
// the transfer has no number (it is then left out).
bool ReadIncoming(int i, int version, LPCSTR selectedFile, IncomingTransfer& in)
{
    char pathName[260] = "";
    char field21[21] = "", field76[76] = "";
    return LoadDataSucceeded(GetIPathName(i, pathName)) &&
           LoadDataSucceeded(GetIBindStructData(i, &in.record)) &&
           ResolveSourceFile(version, in.record.projectRef, selectedFile, pathName,
                             in.sourceFile) == 0 &&
           LoadDataSucceeded(ChangeExtension(in.sourceFile, in.positionFile)) &&
           Get_Position_Name(in.positionFile, in.name, in.programCode, field21, field76) > 0 &&
           in.record.transferNumber != 0;
}

// The heading names the selected position; written once, before the first transfer.
void AppendHeading(CString& text, LPCSTR file)
{
    char name[260] = "", programCode[6] = "", field21[21] = "", field76[76] = "";
    if (Get_Position_Name(file, name, programCode, field21, field76) <= 0)
        return;
    // One string at a time: the loader's buffer holds only the last.
    text = LoadPageString(IDS_PAGE_HEADING);
    text += name;
    text += LoadPageString(IDS_PAGE_HEADING_END);
    text += "\r\n";
}

} // namespace

void CMyPropertyPage2::SetEditBoxString(short nMode)
{
    m_strEditText.Empty();
    LPCSTR sep = nMode == 1 ? "\n" : "\r\n";
    m_nCurItem = static_cast<int>(m_tree.GetItemData(m_tree.GetSelectedItem()));
    if (m_nCurItem < 0 || m_nCurItem >= m_itemFiles.GetSize() ||
        m_nCurItem >= m_itemMessages.GetSize())
        return;
    const CString strFile = m_itemFiles[m_nCurItem];
    if (!m_itemMessages[m_nCurItem].IsEmpty()) {
        m_strEditText = m_itemMessages[m_nCurItem];
        return;
    }
    int nIncoming = 0;
    int nHeaders = 0;
    const BindReader reader;
    if (!LoadDataSucceeded(OpenTransferFile(strFile, nIncoming, nHeaders)) || nIncoming == 0) {
        // The root stands for no position (its file is a single blank).
        if (strFile.GetLength() > 1) {
            m_strEditText = LoadPageString(IDS_PAGE_NO_TRANSFERS);
            m_strEditText += "\r\n";
        }
        return;
    }
    SkipHeaders(nHeaders);
    if (!LoadDataSucceeded(LoadBindSerializeData(1)))
        return;
    int nFormat = 0;
    int nVersion = 0;
    BindGetVersions(&nFormat, &nVersion);
    ReferenceNames ref;
    ReadName(Get_Volume_Name, strFile, ref.volume);
    ReadName(Get_Gruppe_Name, strFile, ref.group);
    ReadName(Get_Project_Name, strFile, ref.project);
    for (int i = 0; i < nIncoming; ++i) {
        if (i == 0)
            AppendHeading(m_strEditText, strFile);
        IncomingTransfer in{};
        if (!ReadIncoming(i, nVersion, strFile, in))
            continue;
        SourceLoadData source;
        if (!LoadDataSucceeded(LoadSerializeData(1, in.sourceFile, &source.block)))
            continue;
        m_strEditText += CString("  ") + TransferLabel(in.record.transferNumber) +
                         LoadPageString(IDS_PAGE_FROM) + in.name + sep;
        const int forceKind = AppendSourceLines(m_strEditText, in, ref, source.block, sep);
        CString strValue;
        FormatTransferValue(nVersion, forceKind, source.block, in.record, i, sep, strValue);
        m_strEditText += strValue + sep;
    }
}
