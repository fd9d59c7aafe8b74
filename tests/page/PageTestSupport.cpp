#include "tests/page/PageTestSupport.h"

#include "entry/Exports.h"
#include "framework/CPropertySheet.h"
#include "resources/ResourceIds.h"

#include <commctrl.h>

#include <cmath>
#include <cstdio>

namespace pagetest
{

namespace
{

void CollectItems(HWND tree, HTREEITEM item, int level, std::vector<NumberedItem>& items)
{
    for (; item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
        char text[300] = "";
        TVITEMA data{};
        data.mask = TVIF_TEXT | TVIF_PARAM;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = sizeof text;
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
        items.push_back({text, level, static_cast<long>(data.lParam)});
        CollectItems(tree, TreeView_GetChild(tree, item), level + 1, items);
    }
}

// The sources of one position below its item, numbered as the page does: all children of
// an item first, then each child's own sources.
void ExpectSources(const kvdata::Building& building, int receiver, int level, long& next,
                   std::vector<NumberedItem>& items)
{
    const kvdata::Position& position = building.positions[receiver];
    std::vector<long> numbers;
    for (std::size_t t = 0; t < position.incoming.size(); ++t)
        numbers.push_back(next++);
    for (std::size_t t = 0; t < position.incoming.size(); ++t) {
        const kvdata::Transfer& transfer = position.incoming[t];
        items.push_back({building.positions[transfer.source].name + NumberSuffix(transfer.number),
                         level, numbers[t]});
        ExpectSources(building, transfer.source, level + 1, next, items);
    }
}

template <class... Args> std::string Format(const char* format, Args... args)
{
    char text[512];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

const char* UnitOf(int kind)
{
    return kind == 1 ? "kN" : kind == 2 ? "kN/m" : kind == 4 ? "kNm" : "?";
}

const char* IdealisationOf(int code)
{
    const char* texts[] = {"Einzellast", "Streckenlast", "Trapezlast", "Fl\344chenlast"};
    return texts[code];
}

// A name line when the source's name differs from the receiver's.
std::string NameLine(const char* label, const std::string& name, const std::string& receiver,
                     const char* sep)
{
    return name.empty() || lstrcmpiA(name.c_str(), receiver.c_str()) == 0 ? "" : label + name + sep;
}

// The value text of one transferred component.
std::string ExpectedValue(const kvdata::Transfer& transfer, const kvdata::Support& support,
                          const kvdata::Component& component, bool noData, const char* sep)
{
    const std::string noValue = "     kein Wert vorhanden";
    if (noData)
        return noValue;
    if (!support.distributed) {
        if (std::fabs(component.value) > 1e299)
            return noValue;
        return Format("     Wert = %.2f * (%.2f) = %.2f%s", component.value, transfer.factor,
                      component.value * transfer.factor, UnitOf(component.kind));
    }
    std::string text = Format("     Faktor = %.2f%s", transfer.factor, sep) +
                       "     Idealisierung: " + IdealisationOf(transfer.idealisation) + sep;
    for (const TrapezoidPiece& piece : component.pieces) {
        if (std::fabs(piece.q1) > 1e299 || std::fabs(piece.q2) > 1e299)
            return noValue;
        text += Format("     Wert1 = %.2f %s (x1=%.3f)   Wert2 = %.2f %s (x2=%.3f)%s", piece.q1,
                       UnitOf(component.kind), piece.x1, piece.q2, UnitOf(component.kind), piece.x2,
                       sep);
    }
    return text;
}

std::string ExpectedTransfer(const kvdata::Building& building, const kvdata::Position& receiver,
                             const kvdata::Transfer& transfer,
                             const kvdata::TransferredComponent& item, bool noData, const char* sep)
{
    const kvdata::Position& source = building.positions[transfer.source];
    const kvdata::Support& support = source.supports[transfer.support];
    const kvdata::Component& component = support.byLoad[item.load][item.component];
    std::string text =
        "  " + NumberSuffix(transfer.number).substr(3) + " aus Position " + source.name + sep;
    text += NameLine("     Band: ", source.volume, receiver.volume, sep) +
            NameLine("     Gruppe: ", source.group, receiver.group, sep);
    if (source.fem)
        text += std::string("     aus dem FEM-Projekt") + sep;
    else if (receiver.fem)
        text += "     Projekt: " + building.projectName + sep;
    for (const kvdata::Program& program : building.programs)
        if (!source.fem && program.number == std::atoi(source.programCode.c_str() + 2))
            text += "     Programm: " + program.name + sep;
    text += "     Lastfall: " + source.loads[item.load] + sep;
    text += "     Auflager: " + support.name + sep;
    text += "     Reaktion: " + component.name + sep;
    return text + ExpectedValue(transfer, support, component, noData, sep) + sep;
}

} // namespace

std::string NumberSuffix(int transferNumber)
{
    return transferNumber > 0 ? " - V" + std::to_string(transferNumber)
                              : " - \334" + std::to_string(-static_cast<long long>(transferNumber));
}

std::vector<NumberedItem> TreeOf(const harness::Window& page)
{
    std::vector<NumberedItem> items;
    const HWND tree = page.Control(IDC_LOAD_TREE).Handle();
    harness::OnUi([&] { CollectItems(tree, TreeView_GetRoot(tree), 0, items); });
    return items;
}

std::vector<NumberedItem> ExpectedTree(const kvdata::Building& building,
                                       const std::vector<int>& hosts)
{
    std::vector<NumberedItem> items{{building.projectName, 0, 0}};
    long next = 1;
    for (int host : hosts) {
        items.push_back({building.positions[host].name, 1, next++});
        ExpectSources(building, host, 2, next, items);
    }
    return items;
}

std::string ExpectedLoadText(const kvdata::Building& building, int receiver, const char* sep,
                             const std::set<int>& noData)
{
    const kvdata::Position& position = building.positions[receiver];
    if (position.incoming.empty())
        return "Keine Lasten \374bernommen.\r\n";
    std::string text = "Last\374bernahmen in Position " + position.name + ":\r\n";
    for (const kvdata::Transfer& transfer : position.incoming)
        for (const kvdata::TransferredComponent& item : transfer.components)
            text += ExpectedTransfer(building, position, transfer, item,
                                     noData.count(transfer.source) > 0, sep);
    return text;
}

std::string FileOf(const GeneratedProject& project, int p)
{
    return project.transferFile(project.building().positions[p]);
}

PageResult RunStandalone(const GeneratedProject& project, const std::vector<int>& hosts,
                         const std::function<void()>& script, bool byLoadFile, HWND parent)
{
    std::vector<std::string> names, files; // no reallocation: the pointers stay valid
    names.reserve(hosts.size());
    files.reserve(hosts.size());
    std::vector<const char*> namePointers, filePointers;
    for (int host : hosts) {
        const kvdata::Position& position = project.building().positions[host];
        names.push_back(position.name + "   ");
        files.push_back(byLoadFile ? project.loadFile(position) : project.transferFile(position));
        namePointers.push_back(names.back().c_str());
        filePointers.push_back(files.back().c_str());
    }
    PageResult result;
    char file[260] = "untouched";
    harness::RunScripted(
        [&] {
            FillNamesForDialog(parent, project.building().projectName.c_str(),
                               static_cast<unsigned>(hosts.size()), namePointers.data(),
                               filePointers.data(), &result.recalculate, file);
            return INT_PTR(0);
        },
        script);
    result.file = file;
    return result;
}

std::vector<int> PositionsWhere(const kvdata::Building& building,
                                const std::function<bool(const kvdata::Position&)>& is)
{
    std::vector<int> indexes;
    for (std::size_t p = 0; p < building.positions.size(); ++p)
        if (is(building.positions[p]))
            indexes.push_back(static_cast<int>(p));
    return indexes;
}

int Foundation(const kvdata::Building& building, int nth)
{
    return PositionsWhere(building,
                          [](const kvdata::Position& p) { return p.programCode == "01069"; })
        .at(static_cast<std::size_t>(nth));
}

std::string LanguageString(const char* library, UINT id)
{
    const HMODULE module = LoadLibraryA(library);
    char text[256] = "";
    if (module) {
        LoadStringA(module, id, text, sizeof text);
        FreeLibrary(module);
    }
    return text;
}

void RunSheet(CPropertySheet& sheet, const std::function<void()>& script)
{
    harness::RunScripted([&] { return sheet.DoModal(); },
                         [&] {
                             script();
                             WaitForPage().Control(IDCANCEL).Click();
                         });
}

harness::Window WaitForPage()
{
    return harness::WaitForDialog(IDC_LOAD_TREE);
}

} // namespace pagetest
