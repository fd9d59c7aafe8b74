#include "page/LoadText.h"

#include "model/LoadDataInterface.h"
#include "model/LoadDataResult.h"
#include "page/LoadPageString.h"
#include "resources/ResourceIds.h"

#include <cmath>

namespace
{

bool IsNoValue(double value)
{
    return std::fabs(value) > NO_VALUE_LIMIT;
}

CString ForceUnit(int forceKind)
{
    char unit[16] = "";
    GetForceUnitString(forceKind, unit);
    return unit;
}

} // namespace

CString TransferLabel(int transferNumber)
{
    // Unsigned, so that the lowest number has an absolute value too.
    const unsigned long magnitude = transferNumber > 0
                                        ? static_cast<unsigned long>(transferNumber)
                                        : 0ul - static_cast<unsigned long>(transferNumber);
    CString label;
    label.Format(transferNumber > 0 ? "V%lu" : "\xdc%lu", magnitude);
    return label;
}

int ResolveSourceFile(int version, int projectRef, LPCSTR selectedFile, LPCSTR pathName,
                      char* sourceFile)
{
    const int found = version == 0 ? Get_Position_File_Ex(selectedFile, pathName, sourceFile)
                                   : Get_Position_File_New_Ex(projectRef, pathName, sourceFile);
    return found > 0 ? 0 : 1;
}

void FormatTransferValue(int version, int forceKind, const LoadDataRecord& block,
                         const BindRecord& record, int i, LPCSTR sep, CString& out)
{
    out.Empty();
    if (block.dataWord == 0)
        out = LoadPageString(IDS_PAGE_NO_VALUE);
    else if (version == 0 || record.distributed == 0)
        FormatPointValue(forceKind, record, out);
    else
        FormatTrapezoidValue(forceKind, record, i, sep, out);
}

void FormatPointValue(int forceKind, const BindRecord& record, CString& out)
{
    if (IsNoValue(record.value)) {
        out = LoadPageString(IDS_PAGE_NO_VALUE);
        return;
    }
    out.Format("%s%s = %.2lf * (%.2lf) = %.2lf", kLabelIndent, LoadPageString(IDS_PAGE_VALUE),
               record.value, record.factor, record.value * record.factor);
    out += ForceUnit(forceKind);
}

void FormatTrapezoidValue(int forceKind, const BindRecord& record, int i, LPCSTR sep, CString& out)
{
    out.Format("%s%s = %.2lf%s", kLabelIndent, LoadPageString(IDS_PAGE_FACTOR), record.factor, sep);
    char idealisation[20] = "";
    GetIdealizationString(record.idealisation, idealisation);
    out += CString(kLabelIndent) + LoadPageString(IDS_PAGE_IDEALISATION) + idealisation + sep;
    const CString unit = ForceUnit(forceKind);
    const CString valueLabel = LoadPageString(IDS_PAGE_VALUE);
    for (int k = 0; k < record.trapezoidCount; ++k) {
        int kind = 0;
        double q1 = 0.0, q2 = 0.0, x1 = 0.0, x2 = 0.0;
        if (!LoadDataSucceeded(BindTrapezoidLoad(1, i, k, &kind, &q1, &q2, &x1, &x2)))
            continue;
        if (IsNoValue(q1) || IsNoValue(q2)) {
            out = LoadPageString(IDS_PAGE_NO_VALUE);
            return;
        }
        CString piece;
        piece.Format("%s%s1 = %.2lf %s (x1=%.3lf)   %s2 = %.2lf %s (x2=%.3lf)%s", kLabelIndent,
                     (LPCSTR)valueLabel, q1, (LPCSTR)unit, x1, (LPCSTR)valueLabel, q2, (LPCSTR)unit,
                     x2, sep);
        out += piece;
    }
}
