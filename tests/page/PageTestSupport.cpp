#include "tests/page/PageTestSupport.h"

#include "entry/Exports.h"
#include "framework/CPropertySheet.h"
#include "resources/ResourceIds.h"

#include <cmath>
#include <cstdio>

namespace pagetest
{

namespace
{

void ExpectSources(const kvdata::Building& building, int receiver, int level,
                   std::vector<Item>& items)
{
    for (const kvdata::Transfer& transfer : building.positions[receiver].incoming) {
        items.emplace_back(building.positions[transfer.source].name + NumberSuffix(transfer.number),
                           level);
        ExpectSources(building, transfer.source, level + 1, items);
    }
}

template <class... Args> std::string Format(const char* format, Args... args)
{
    char text[512];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// A name line when the source's name differs from the receiver's.
std::string NameLine(const char* label, const std::string& name, const std::string& receiver,
                     const char* sep)
{
    return name.empty() || lstrcmpiA(name.c_str(), receiver.c_str()) == 0 ? "" : label + name + sep;
}

// The value lines of one transferred component.
std::string ExpectedValue(const kvdata::Transfer& transfer, const kvdata::Support& support,
                          const kvdata::Component& component, const char* sep)
{
    const auto noValue = [](double value) { return std::fabs(value) > 1e299; };
    const int kind = component.kind;
    const char* unit = kind == 1 ? "kN" : kind == 2 ? "kN/m" : kind == 4 ? "kNm" : "?";
    if (!support.distributed)
        return noValue(component.value)
                   ? "     kein Wert vorhanden"
                   : Format("     Wert = %.2f * (%.2f) = %.2f%s", component.value, transfer.factor,
                            component.value * transfer.factor, unit);
    const char* idealisations[] = {"Einzellast", "Streckenlast", "Trapezlast", "Fl\344chenlast"};
    std::string text = Format("     Faktor = %.2f%s     Idealisierung: %s%s", transfer.factor, sep,
                              idealisations[transfer.idealisation], sep);
    for (const TrapezoidPiece& piece : component.pieces) {
        if (noValue(piece.q1) || noValue(piece.q2))
            return "     kein Wert vorhanden";
        text += Format("     Wert1 = %.2f %s (x1=%.3f)   Wert2 = %.2f %s (x2=%.3f)%s", piece.q1,
                       unit, piece.x1, piece.q2, unit, piece.x2, sep);
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
    text += "     Lastfall: " + source.loads[item.load] + sep + "     Auflager: " + support.name +
            sep + "     Reaktion: " + component.name + sep;
    return text +
           (noData ? "     kein Wert vorhanden"
                   : ExpectedValue(transfer, support, component, sep)) +
           sep;
}

} // namespace

std::string NumberSuffix(int transferNumber)
{
    return transferNumber > 0 ? " - V" + std::to_string(transferNumber)
                              : " - \334" + std::to_string(-static_cast<long long>(transferNumber));
}

std::vector<Item> TreeOf(const harness::Window& page)
{
    std::vector<Item> items;
    for (const harness::TreeItem& item : page.Control(IDC_LOAD_TREE).TreeItems())
        items.emplace_back(item.text, item.level);
    return items;
}

std::vector<Item> ExpectedTree(const kvdata::Building& building, const std::vector<int>& hosts)
{
    std::vector<Item> items{{building.projectName, 0}};
    for (int host : hosts) {
        items.emplace_back(building.positions[host].name, 1);
        ExpectSources(building, host, 2, items);
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

std::string FileOf(const GeneratedProject& project, int p)
{
    return project.transferFile(project.building().positions[p]);
}

PageResult RunStandalone(const GeneratedProject& project, const std::vector<int>& hosts,
                         const std::function<void()>& script, bool byLoadFile)
{
    std::vector<std::string> texts; // the names, then the files
    for (int host : hosts)
        texts.push_back(project.building().positions[host].name + "   ");
    for (int host : hosts) {
        const kvdata::Position& position = project.building().positions[host];
        texts.push_back(byLoadFile ? project.loadFile(position) : project.transferFile(position));
    }
    std::vector<const char*> pointers;
    for (const std::string& text : texts)
        pointers.push_back(text.c_str());
    PageResult result;
    char file[260] = "untouched";
    harness::RunScripted(
        [&] {
            FillNamesForDialog(nullptr, project.building().projectName.c_str(),
                               static_cast<unsigned>(hosts.size()), pointers.data(),
                               pointers.data() + hosts.size(), &result.recalculate, file);
            return INT_PTR(0);
        },
        script);
    result.file = file;
    return result;
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
