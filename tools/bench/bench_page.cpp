// Benchmark of the transferred-load page: for a generated project of N positions (default
// 2000) with about five transfer headers per position in chains four positions deep, the
// time the page's activation needs with all positions in the tree, beside its floor: the
// load data library reading every position's transfer file and load data once, plus a
// bare tree control filled with as many items. Also the tree check of all positions
// against reading the files once, and the page's peak working set against the bare tree
// control's.
//   bench_page FOLDER [--positions N]
//   bench_page FOLDER --scale PLOT.svg   (250 to 4000 positions: a table and a plot)
// The generated project becomes the suite's current one, as "kvdata generate --register"
// makes it. The page runs hosted in a property sheet, with its progress message, and is
// activated three times: the first activation meets files the library has not read yet,
// the second finds the project unchanged, and before the third one position's transfer
// file is taken away, so that the tree the third builds differs from the one shown. Page,
// bare tree control and the library's reading each run in a process of their own, so that
// each peak working set is its own, three times; the smallest figure of each counts.
#include "framework/CPropertySheet.h"
#include "model/LoadDataInterface.h"
#include "page/CMyPropertyPage2.h"
#include "tools/bench/BenchChild.h"
#include "tools/bench/BenchClock.h"
#include "tools/bench/PeakMemory.h"
#include "tools/bench/ScalingPlot.h"
#include "tools/kvdata/ProjectWriter.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace
{

const int kActivations = 3;
const int kRounds = 3;              // each part's runs; the smallest figure counts
const UINT kActivated = WM_APP + 1; // posted by the page to the sheet after an activation

// The page as a host has it, its activations timed.
class TimedPage : public CMyPropertyPage2
{
  public:
    std::vector<double> m_times;

    BOOL OnSetActive() override
    {
        const double start = Now();
        const BOOL result = CMyPropertyPage2::OnSetActive();
        m_times.push_back(Now() - start);
        if (m_times.size() == 1)
            m_nFirstItems = m_nItemCount; // the third activation shows fewer
        ::PostMessageA(::GetParent(GetSafeHwnd()), kActivated, 0, 0);
        return result;
    }
    int ItemCount() const { return m_nFirstItems; }

  private:
    int m_nFirstItems = 0;
};

// Switches away from the timed page and back until it was activated often enough, then
// closes.
class BenchSheet : public CPropertySheet
{
  public:
    BenchSheet(TimedPage& page, const std::string& changedFile)
        : CPropertySheet("Bench"), m_page(page), m_changedFile(changedFile)
    {
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != kActivated)
            return CPropertySheet::WindowProc(message, wParam, lParam);
        if (m_page.m_times.size() == 2)
            MoveFileA(m_changedFile.c_str(), (m_changedFile + ".away").c_str());
        if (static_cast<int>(m_page.m_times.size()) < kActivations) {
            SetActivePage(1);
            SetActivePage(0);
        } else {
            PostMessage(WM_COMMAND, IDCANCEL, 0);
        }
        return 0;
    }

  private:
    TimedPage& m_page;
    std::string m_changedFile;
};

kvdata::Building BenchBuilding(int positions)
{
    kvdata::BuildingSize size;
    size.positions = positions;
    size.femPositions = 0;
    size.storeys = 3;
    size.transfersDown = 6;
    return kvdata::makeBuilding(size);
}

std::string TransferFileOf(const std::string& loadFile)
{
    return loadFile.substr(0, loadFile.size() - 3) + "016";
}

// What the library alone does to read a transfer file's headers, as the tree needs them.
int LibraryReadHeaders(const std::string& transferFile)
{
    int records = 0, headers = 0;
    if ((InitBindData(transferFile.c_str(), 1, &records, &headers) & 0xFFFF) != 0)
        return 0;
    for (int h = 0; h < headers; ++h) {
        char path[264];
        int number = 0, rows = 0;
        InitBindHeader(path, 1, &number, &rows);
        for (int z = 0; z < rows; ++z) {
            int sourceLoad = 0, ownLoad = 0;
            InitZuordTabelle(1, &sourceLoad, &ownLoad);
        }
    }
    LoadBindFree();
    return headers;
}

// The part run in a process of its own: the page in a sheet, activated twice.
int PagePart(const std::string& folder, int positions, const std::string& resultFile)
{
    const kvdata::Building building = BenchBuilding(positions);
    const kvdata::ProjectFolders folders = kvdata::foldersOf(folder);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    TimedPage page;
    CMyPropertyPage2 other;
    page.SetPrjName(building.projectName.c_str());
    for (const kvdata::Position& position : building.positions)
        page.AddPosition(position.name.c_str(), kvdata::loadFilePath(folders, position).c_str());
    // A position that receives loads: without its transfer file its sources leave the tree.
    const kvdata::Position* changed = &building.positions[building.positions.size() / 2];
    for (const kvdata::Position& position : building.positions)
        if (!position.incoming.empty())
            changed = &position;
    const std::string changedFile = TransferFileOf(kvdata::loadFilePath(folders, *changed));
    BenchSheet sheet(page, changedFile);
    sheet.AddPage(&page);
    sheet.AddPage(&other);
    sheet.DoModal();
    MoveFileA((changedFile + ".away").c_str(), changedFile.c_str());
    if (static_cast<int>(page.m_times.size()) != kActivations)
        return 1;
    return WriteBenchResults(resultFile, {{"activation1", page.m_times[0]},
                                          {"activation2", page.m_times[1]},
                                          {"activation3", page.m_times[2]},
                                          {"items", page.ItemCount()},
                                          {"peak", PeakWorkingSetMB()}})
               ? 0
               : 1;
}

// The part run in a process of its own: a bare tree control given as many items as the
// page's tree holds, in blocks of the same number below the host positions, then emptied.
int TreePart(int items, int positions, const std::string& resultFile)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const HWND tree = CreateWindowExA(0, WC_TREEVIEWA, "",
                                      WS_POPUP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 0,
                                      0, 300, 300, nullptr, nullptr, nullptr, nullptr);
    char text[] = "1.01 Pfette - V1";
    TVINSERTSTRUCTA insert{};
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = text;
    const double start = Now();
    insert.hParent = TVI_ROOT;
    const HTREEITEM root = TreeView_InsertItem(tree, &insert);
    const int perPosition = std::max(1, (items - 1) / std::max(1, positions));
    HTREEITEM position = root;
    for (int i = 0; i + 1 < items; ++i) {
        const bool host = i % perPosition == 0;
        insert.hParent = host ? root : position;
        insert.item.lParam = i + 1;
        const HTREEITEM item = TreeView_InsertItem(tree, &insert);
        if (host)
            position = item;
    }
    TreeView_Expand(tree, root, TVE_EXPAND);
    const double elapsed = Now() - start;
    const double peak = PeakWorkingSetMB();
    const double deleteStart = Now();
    TreeView_DeleteAllItems(tree);
    const double deleted = Now() - deleteStart;
    DestroyWindow(tree);
    return WriteBenchResults(resultFile, {{"tree", elapsed}, {"delete", deleted}, {"peak", peak}})
               ? 0
               : 1;
}

// The part run in a process of its own: every position's transfer file and load data
// read once through the library, then the tree check of every position one after
// another, as the activation makes it, in a process that has not checked them before.
int FilesPart(const std::string& folder, int positions, const std::string& resultFile)
{
    const kvdata::Building building = BenchBuilding(positions);
    const kvdata::ProjectFolders folders = kvdata::foldersOf(folder);
    int headers = 0;
    const double start = Now();
    for (const kvdata::Position& position : building.positions) {
        const std::string loadFile = kvdata::loadFilePath(folders, position);
        headers += LibraryReadHeaders(TransferFileOf(loadFile));
        LoadDataRecord record{};
        LoadSerializeData(1, loadFile.c_str(), &record);
        LoadFreeData(&record);
    }
    const double files = Now() - start;
    const double checkStart = Now();
    for (const kvdata::Position& position : building.positions) {
        char checkedFile[MAX_PATH], secondFile[MAX_PATH];
        CheckTree(kvdata::loadFilePath(folders, position).c_str(), checkedFile, secondFile);
    }
    const double checks = Now() - checkStart;
    return WriteBenchResults(resultFile,
                             {{"files", files}, {"checks", checks}, {"headers", headers}})
               ? 0
               : 1;
}

// The smallest of each figure over the rounds: on a machine shared with other work, the
// least disturbed run of each part.
void KeepSmallest(std::map<std::string, double>& kept, const std::map<std::string, double>& round)
{
    for (const auto& [name, value] : round)
        if (kept.count(name) == 0 || value < kept[name])
            kept[name] = value;
}

void PrintRatio(const char* figure, double value, double floor, const char* unit)
{
    std::printf("  %-30s %9.3f %s   floor %9.3f %s   ratio %.2f\n", figure, value, unit, floor,
                unit, value / floor);
}

// Generates the project of the given size and measures it; false when a part failed.
bool MeasureSize(const std::string& folder, int positions, ScalingRow& row)
{
    const kvdata::Building building = BenchBuilding(positions);
    const kvdata::ProjectFolders folders = kvdata::foldersOf(folder);
    std::string error;
    if (!kvdata::writeProject(building, folders, error) || !kvdata::registerProject(folders)) {
        std::fprintf(stderr, "bench_page: %s\n", error.c_str());
        return false;
    }
    const std::string results = folder + "\\bench_page_part.txt";
    const std::string size = "\"" + folder + "\" --positions " + std::to_string(positions);
    std::map<std::string, double> page, tree, files;
    for (int round = 0; round < kRounds; ++round) {
        KeepSmallest(page, RunBenchChild(size + " --part page", results));
        if (page.count("items") == 0)
            return false;
        KeepSmallest(tree, RunBenchChild(size + " --part tree " +
                                             std::to_string(static_cast<int>(page["items"])),
                                         results));
        KeepSmallest(files, RunBenchChild(size + " --part files", results));
        if (tree.count("tree") == 0 || files.count("files") == 0)
            return false;
    }
    const int items = static_cast<int>(page["items"]);
    const int headers = static_cast<int>(files["headers"]);
    const double floor = files["files"] + tree["tree"];
    std::printf("%d positions, %d transfer headers, %d tree items (smallest of %d rounds)\n",
                positions, headers, items, kRounds);
    std::printf("  %-30s %9.3f s\n", "every file read once", files["files"]);
    std::printf("  %-30s %9.3f s\n", "bare tree control", tree["tree"]);
    std::printf("  %-30s %9.3f s\n", "bare tree control emptied", tree["delete"]);
    PrintRatio("tree check of all positions", files["checks"], files["files"], "s ");
    PrintRatio("page activation 1", page["activation1"], floor, "s ");
    PrintRatio("page activation 2", page["activation2"], floor, "s ");
    // A changed tree replaces the one shown: the old items go before the new ones come.
    PrintRatio("page activation 3, file changed", page["activation3"], floor + tree["delete"],
               "s ");
    PrintRatio("page peak working set", page["peak"], tree["peak"], "MB");
    std::fflush(stdout);
    row = {positions, headers, items, page["activation1"], floor};
    return true;
}

int Usage()
{
    std::fputs("usage: bench_page FOLDER [--positions N]\n"
               "       bench_page FOLDER --scale PLOT.svg\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    const std::string folder = argv[1];
    const std::string results = folder + "\\bench_page_part.txt";
    // The parts: FOLDER --positions N --part page|files, FOLDER --positions N --part tree ITEMS
    if (argc >= 6 && std::strcmp(argv[2], "--positions") == 0 &&
        std::strcmp(argv[4], "--part") == 0) {
        const int positions = std::atoi(argv[3]);
        if (argc == 6 && std::strcmp(argv[5], "page") == 0)
            return PagePart(folder, positions, results);
        if (argc == 6 && std::strcmp(argv[5], "files") == 0)
            return FilesPart(folder, positions, results);
        if (argc == 7 && std::strcmp(argv[5], "tree") == 0)
            return TreePart(std::atoi(argv[6]), positions, results);
        return Usage();
    }
    if (argc == 4 && std::strcmp(argv[2], "--scale") == 0) {
        std::vector<ScalingRow> rows;
        CreateDirectoryA(folder.c_str(), nullptr); // each size in a folder of its own
        for (int positions : {250, 500, 1000, 2000, 4000}) {
            ScalingRow row{};
            if (!MeasureSize(folder + "\\n" + std::to_string(positions), positions, row))
                return 1;
            rows.push_back(row);
        }
        std::fputs(ScalingTable(rows).c_str(), stdout);
        return WriteScalingPlot(rows, argv[3]) ? 0 : 1;
    }
    int positions = 2000;
    if (argc == 4 && std::strcmp(argv[2], "--positions") == 0)
        positions = std::atoi(argv[3]);
    else if (argc != 2)
        return Usage();
    if (positions < 1)
        return Usage();
    ScalingRow row{};
    return MeasureSize(folder, positions, row) ? 0 : 1;
}
