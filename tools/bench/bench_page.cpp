// Benchmark of the transferred-load page: for a generated project of 2000 positions with
// about 10000 transfers in chains four positions deep, the time the page's activation
// needs with all positions in the tree, beside the time the load data library alone needs
// to read every position's transfer file once.
//   bench_page FOLDER
// The generated project becomes the suite's current one, as "kvdata generate --register"
// makes it. The page runs hosted in a property sheet, with its progress message, and is
// activated twice; the first activation meets files the system has not read yet.
#include "framework/CPropertySheet.h"
#include "model/LoadDataInterface.h"
#include "page/CMyPropertyPage2.h"
#include "tools/bench/BenchClock.h"
#include "tools/kvdata/ProjectWriter.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace
{

const int kActivations = 2;
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
        ::PostMessageA(::GetParent(GetSafeHwnd()), kActivated, 0, 0);
        return result;
    }
    int ItemCount() const { return m_nItemCount; }
};

// Switches away from the timed page and back until it was activated often enough, then
// closes.
class BenchSheet : public CPropertySheet
{
  public:
    BenchSheet(TimedPage& page) : CPropertySheet("Bench"), m_page(page) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != kActivated)
            return CPropertySheet::WindowProc(message, wParam, lParam);
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
};

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

// The tree control alone: as many items inserted as the page's tree holds, in blocks of
// the same number below the host positions.
double TreeControlAlone(int items, int positions)
{
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
    DestroyWindow(tree);
    return elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: bench_page FOLDER\n", stderr);
        return 2;
    }
    kvdata::BuildingSize size;
    size.positions = 2000;
    size.femPositions = 0;
    size.storeys = 3;
    size.transfersDown = 6;
    const kvdata::Building building = kvdata::makeBuilding(size);
    const kvdata::ProjectFolders folders = kvdata::foldersOf(argv[1]);
    std::string error;
    if (!kvdata::writeProject(building, folders, error) || !kvdata::registerProject(folders)) {
        std::fprintf(stderr, "bench_page: %s\n", error.c_str());
        return 1;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);

    TimedPage page;
    CMyPropertyPage2 other;
    page.SetPrjName(building.projectName.c_str());
    std::vector<std::string> transferFiles;
    for (const kvdata::Position& position : building.positions) {
        const std::string file = kvdata::loadFilePath(folders, position);
        page.AddPosition(position.name.c_str(), file.c_str());
        transferFiles.push_back(file.substr(0, file.size() - 3) + "016");
    }
    BenchSheet sheet(page);
    sheet.AddPage(&page);
    sheet.AddPage(&other);
    sheet.DoModal();

    // After the page, so that the system has read the files before, as for the second
    // activation.
    int headers = 0;
    const double start = Now();
    for (const std::string& file : transferFiles)
        headers += LibraryReadHeaders(file);
    const double library = Now() - start;
    // The tree check the activation makes for every position, for comparison.
    const double checkStart = Now();
    for (const std::string& file : transferFiles) {
        char checkedFile[MAX_PATH], secondFile[MAX_PATH];
        CheckTree(file.c_str(), checkedFile, secondFile);
    }
    const double checks = Now() - checkStart;
    const double treeControl =
        TreeControlAlone(page.ItemCount(), static_cast<int>(building.positions.size()));

    std::printf("%zu positions, %d transfer headers, %d tree items\n", building.positions.size(),
                headers, page.ItemCount());
    std::printf("  library alone, every transfer file's headers once  %8.3f s\n", library);
    std::printf("  library alone, the tree check of every position     %8.3f s\n", checks);
    std::printf("  tree control alone, inserting as many items         %8.3f s\n", treeControl);
    for (std::size_t a = 0; a < page.m_times.size(); ++a)
        std::printf("  page activation %zu                                 %8.3f s   "
                    "page/library %.1f\n",
                    a + 1, page.m_times[a], page.m_times[a] / library);
    return static_cast<int>(page.m_times.size()) == kActivations ? 0 : 1;
}
