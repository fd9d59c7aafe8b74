// Benchmark of the editor's transfers: for a generated position fed by 200 transfers from
// 200 different source positions, the time the editor needs to read them back (transfer
// file and every source position) and to write them, beside the time the load data
// library alone needs to read (and to write) the same files; and the editor dialog's start
// and OK against the same floors, with the start of a plain dialog of the editor's template
// beside it (what creating that window costs by itself). OK is also set against the
// library's write together with the source lookups any write of that file needs.
//   bench_transfers FOLDER
// The generated project becomes the suite's current one, as "kvdata generate --register"
// makes it.
#include "editor/CKVEditor.h"
#include "framework/ModuleState.h"
#include "model/LoadDataInterface.h"
#include "resources/ResourceIds.h"
#include "tools/bench/BenchClock.h"
#include "tools/bench/TransferCopy.h"
#include "tools/kvdata/ProjectWriter.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace
{

const int kSources = 200;
const int kRounds = 7;

double MedianOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The median time of the rounds.
double Median(const std::function<void()>& work)
{
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        const double start = Now();
        work();
        times.push_back(Now() - start);
    }
    return MedianOf(times);
}

// The editor dialog as a user meets it: its start, until it waits for input (a zero timer
// fires only once the start is done and the dialog has painted), and OK (placement,
// writing, closing), which the timer presses.
struct DialogRun {
    CKVEditor* editor = nullptr;
    double begin = 0, okBegin = 0;
    std::vector<double> start, ok;
} g_run;

void CALLBACK PressOk(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    g_run.start.push_back(Now() - g_run.begin);
    g_run.okBegin = Now();
    g_run.editor->SendMessage(WM_COMMAND, IDOK);
}

void TimeEditorDialog(KVEditRequest& request)
{
    for (int round = 0; round < kRounds; ++round) {
        CKVEditor editor(&request, nullptr);
        g_run.editor = &editor;
        SetTimer(nullptr, 0, 0, PressOk);
        g_run.begin = Now();
        editor.DoModal();
        g_run.ok.push_back(Now() - g_run.okBegin);
    }
}

// The editor's dialog template alone, as a plain dialog: its start until it waits for
// input, the part of the editor's start that any dialog of that template costs.
CDialog* g_bare = nullptr;

void CALLBACK CloseBare(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    g_run.start.push_back(Now() - g_run.begin);
    g_bare->EndDialog(IDCANCEL);
}

double TimeBareDialog()
{
    g_run.start.clear();
    for (int round = 0; round < kRounds; ++round) {
        CDialog dialog(IDD_EDITOR);
        g_bare = &dialog;
        SetTimer(nullptr, 0, 0, CloseBare);
        g_run.begin = Now();
        dialog.DoModal();
    }
    return MedianOf(g_run.start);
}

// A receiving position appended to the building with one transfer from every other
// position: support 0, the first component of every load, numbers +1, -2, +3, ...
kvdata::Position& AddReceiver(kvdata::Building& building)
{
    kvdata::Position receiver = building.positions.back();
    receiver.name = "9.99 Sammler";
    receiver.planIndex = 0;
    for (const kvdata::Position& p : building.positions)
        if (!p.fem)
            receiver.planIndex = std::max(receiver.planIndex, p.planIndex + 1);
    receiver.incoming.clear();
    for (int s = 0; s < static_cast<int>(building.positions.size()); ++s) {
        const kvdata::Position& source = building.positions[s];
        kvdata::Transfer transfer;
        transfer.source = s;
        const int t = static_cast<int>(receiver.incoming.size());
        transfer.number = (t + 1) * (t % 2 == 1 ? -1 : 1);
        const double placement[3][3] = {{0.5 * t, 0, 0}, {0.5 * t + 1, 0, 0}, {0.5 * t, 1, 0}};
        std::copy(&placement[0][0], &placement[0][0] + 9, &transfer.placement[0][0]);
        for (int32_t k = 0; k < static_cast<int32_t>(source.loads.size()); ++k) {
            const int32_t own = k % static_cast<int32_t>(receiver.loads.size());
            transfer.components.push_back({k, 0, own});
            transfer.assignments.emplace_back(k, own);
        }
        receiver.incoming.push_back(transfer);
    }
    building.positions.push_back(receiver);
    return building.positions.back();
}

// What the library alone does to read the files the editor reads: the transfer file
// through the bind calls, then every source position's load data.
void LibraryRead(const std::string& transferFile, const std::vector<std::string>& sources)
{
    int records = 0, headers = 0;
    if ((InitBindData(transferFile.c_str(), 1, &records, &headers) & 0xFFFF) != 0)
        return;
    for (int h = 0; h < headers; ++h) {
        char path[264];
        int number = 0, rows = 0;
        InitBindHeader(path, 1, &number, &rows);
        for (int z = 0; z < rows; ++z) {
            int sourceLoad = 0, ownLoad = 0;
            InitZuordTabelle(1, &sourceLoad, &ownLoad);
        }
    }
    LoadBindSerializeData(1);
    int a = 0, b = 0;
    BindGetVersions(&a, &b);
    BindRecord* copy = nullptr;
    GetTotalCopyOfBinds(&copy);
    FreeTotalCopyOfBinds(records, &copy);
    LoadBindFree();
    for (const std::string& source : sources) {
        LoadDataRecord record{};
        LoadSerializeData(1, source.c_str(), &record);
        LoadFreeData(&record);
    }
}

// The name calls the editor makes for every source beside reading it: its load file from
// its name, its names and its program's name.
void LibraryNameCalls(const kvdata::Building& building, int sourceCount)
{
    for (int s = 0; s < sourceCount; ++s) {
        const kvdata::Position& source = building.positions[s];
        char path[264], name[264], code[264], field21[264], field76[264], program[264];
        Get_Position_File_New_Ex(source.fem ? 1 : 0, source.name.c_str(), path);
        std::snprintf(name, sizeof name, "%s", source.name.c_str());
        Get_Position_Name(path, name, code, field21, field76);
        if (!source.fem)
            Get_Program_Name(code, program, field21, field76);
    }
}

// The lookups a write of the transfer file cannot do without: each header names its
// source's load file as the project holds it now.
void LibrarySourceLookups(const kvdata::Building& building, int sourceCount)
{
    for (int s = 0; s < sourceCount; ++s) {
        char path[264];
        Get_Position_File_New_Ex(building.positions[s].fem ? 1 : 0,
                                 building.positions[s].name.c_str(), path);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: bench_transfers FOLDER\n", stderr);
        return 2;
    }
    kvdata::BuildingSize size;
    size.positions = kSources - 4;
    size.femPositions = 4;
    kvdata::Building building = kvdata::makeBuilding(size);
    const int sourceCount = static_cast<int>(building.positions.size());
    kvdata::Position& receiver = AddReceiver(building);
    const kvdata::ProjectFolders folders = kvdata::foldersOf(argv[1]);
    std::string error;
    if (!kvdata::writeProject(building, folders, error) || !kvdata::registerProject(folders)) {
        std::fprintf(stderr, "bench_transfers: %s\n", error.c_str());
        return 1;
    }
    std::vector<std::string> sources;
    for (int s = 0; s < sourceCount; ++s)
        sources.push_back(kvdata::loadFilePath(folders, building.positions[s]));
    const std::string loadFile = kvdata::loadFilePath(folders, receiver);
    const std::string base =
        loadFile.substr(folders.project.size(), loadFile.size() - folders.project.size() - 4);
    std::vector<KVOwnLoad> loads;
    for (const std::string& name : receiver.loads)
        loads.push_back({{0}, {0}, name.c_str()});
    KVEditRequest request{};
    request.positionName = receiver.name.c_str();
    request.directory = folders.project.c_str();
    request.baseName = base.c_str();
    request.loadCount.value = static_cast<int32_t>(loads.size());
    request.loads = loads.data();
    // Prefix strings from the language library when it is beside the program.
    if (HINSTANCE language = LoadLibraryA("kesvar_deu.dll"))
        AfxSetResourceHandle(language);

    int readResult = -1, writeResult = -1;
    INT_PTR transfers = 0;
    const std::string transferFile = loadFile.substr(0, loadFile.size() - 3) + "016";
    const double library = Median([&] { LibraryRead(transferFile, sources); });
    const double names = Median([&] { LibraryNameCalls(building, sourceCount); });
    const double read = Median([&] {
        CKVEditor editor(&request, nullptr);
        readResult = editor.ReadTransfers();
        transfers = editor.GetTransferCount();
    });
    // The library alone writing the same transfer file through the bind calls.
    TransferCopy copy;
    readTransfers(transferFile, &copy);
    const std::string copyFile = folders.root + "bench_copy.016";
    const double libraryWrite = Median([&] { writeTransfers(copyFile, copy); });
    CKVEditor editor(&request, nullptr);
    editor.ReadTransfers();
    const double write = Median([&] { writeResult = editor.WriteTransfers(); });
    const double lookups = Median([&] { LibrarySourceLookups(building, sourceCount); });
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    TimeEditorDialog(request);
    const double editorStart = MedianOf(g_run.start);
    const double bare = TimeBareDialog();

    const auto ratio = [](const char* figure, double value, double floor) {
        std::printf("  %-40s %8.4f s   floor %8.4f s   ratio %.2f\n", figure, value, floor,
                    value / floor);
    };
    std::printf("position with %lld transfers from %d source positions (%s)\n",
                static_cast<long long>(transfers), sourceCount, loadFile.c_str());
    std::printf("median of %d rounds; floor: the library alone reading (writing) the same "
                "files\n",
                kRounds);
    ratio("library name calls for every source", names, library);
    ratio("editor read-back", read, library);
    ratio("editor write", write, libraryWrite);
    ratio("editor start (until it waits for input)", editorStart, library);
    ratio("bare editor dialog (its template alone)", bare, library);
    ratio("editor OK (placement, writing, closing)", MedianOf(g_run.ok), libraryWrite);
    ratio("editor OK against write + source lookups", MedianOf(g_run.ok), libraryWrite + lookups);
    std::printf("  read back (result %d), written (result %d)\n", readResult, writeResult);
    return readResult == 0 && writeResult == 0 ? 0 : 1;
}
