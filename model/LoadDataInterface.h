// The calls of the suite's load data library (loaddata.dll): position files and their
// names, a position's load data, and the transfer file with its bind calls. C calling
// convention, exported undecorated; 32-bit int.
//
// Results: calls documented as (S) succeed with 0 (only the low 16 bits count), calls
// documented as (I) succeed with a value greater than 0. A mode argument is 1 for read and
// 0 for write. Buffers are the caller's; a text that does not fit is refused, never cut.
// Records handed out point into memory the library owns until LoadBindFree or
// LoadFreeData; records handed in are copied during the call.
#pragma once

#include "model/BindRecord.h"
#include "model/LoadDataRecord.h"

#if defined(_WIN32)
#if defined(LOADDATA_BUILD)
#define LOADDATA_API __declspec(dllexport)
#else
#define LOADDATA_API __declspec(dllimport)
#endif
#define LOADDATA_CALL __cdecl
#else
#define LOADDATA_API
#define LOADDATA_CALL
#endif

extern "C" {

// Positions: the full path of a position's load file (.017) from its name in the plan
// file of its project. (I)
LOADDATA_API int LOADDATA_CALL Get_Position_File_New_Ex(int projectRef, const char* name,
                                                        char* outPath);
// The same for version-0 transfer files, in the project of the given position file. (I)
LOADDATA_API int LOADDATA_CALL Get_Position_File_Ex(const char* currentFile, const char* name,
                                                    char* outPath);

// Names of a position and of what it belongs to. (I)
LOADDATA_API int LOADDATA_CALL Get_Position_Name(const char* file, char* name, char* programCode,
                                                 char* field21, char* field76);
LOADDATA_API int LOADDATA_CALL Get_Program_Name(const char* programCode, char* name, char* out3,
                                                char* out4);
LOADDATA_API int LOADDATA_CALL Get_Volume_Name(const char* file, char* out);
LOADDATA_API int LOADDATA_CALL Get_Gruppe_Name(const char* file, char* out);
LOADDATA_API int LOADDATA_CALL Get_Project_Name(const char* file, char* out);

// Files: the transfer file beside a position's load file (S); the check of a position for
// the transferred-load page (S, with its own failure codes).
LOADDATA_API int LOADDATA_CALL ChangeExtension(const char* file, char* outPath);
LOADDATA_API int LOADDATA_CALL CheckTree(const char* file, char* outFile, char* out2);

// The load path of a project (S): for every transfer of every position listed in the plan
// file of folder, whether the reactions it stores are still its source's; the positions to
// recalculate, sources first; the cycles. The result is kept until the next check or
// FreeProjectStaleness. Each transfer: the receiving position's load file (260), its
// source's (260), its number, its state (0 current, 1 stale, 2 no longer fits its source,
// 3 source missing, 4 source unreadable, 5 transfer file unreadable, 6 load file
// unreadable) and the largest change of a stored value. An index beyond the result is 1.
LOADDATA_API int LOADDATA_CALL CheckProjectStaleness(const char* folder, int* transferCount,
                                                     int* orderCount, int* cycleCount);
LOADDATA_API int LOADDATA_CALL GetTransferStaleness(int i, char* receiver, char* source,
                                                    int* transferNumber, int* state,
                                                    double* largestChange);
LOADDATA_API int LOADDATA_CALL GetRecalculationStep(int i, char* file);
LOADDATA_API int LOADDATA_CALL GetCyclePosition(int cycle, int k, char* file);
LOADDATA_API void LOADDATA_CALL FreeProjectStaleness(void);

// Load data of one position. LoadSerializeData (S) reads (mode 1) into the caller's zeroed
// block or writes (mode 0) from it; LoadFreeData releases what a read allocated and is safe
// on a zeroed block. GetLoadDataVersions: the versions of the data the last read returned.
LOADDATA_API int LOADDATA_CALL LoadSerializeData(int mode, const char* path, LoadDataRecord* block);
LOADDATA_API void LOADDATA_CALL LoadFreeData(LoadDataRecord* block);
LOADDATA_API int LOADDATA_CALL GetLoadDataVersions(int* a, int* b);
// Names from a filled block, greater than 0 when found.
LOADDATA_API int LOADDATA_CALL LoadGetLoadName(int load, char* out, const LoadDataRecord* block);
LOADDATA_API int LOADDATA_CALL LoadGetSupportName(int support, char* out,
                                                  const LoadDataRecord* block);
LOADDATA_API int LOADDATA_CALL LoadGetReactionName(int support, int load, int component,
                                                   int* forceKind, char* out,
                                                   const LoadDataRecord* block);
// Unit text of a force kind and text of an idealisation code; both return buf (at least
// 16 bytes).
LOADDATA_API char* LOADDATA_CALL GetForceUnitString(int forceKind, char* buf);
LOADDATA_API char* LOADDATA_CALL GetIdealizationString(int code, char* buf);

// The transfer file: one open at a time, from InitBindData to LoadBindFree.
LOADDATA_API int LOADDATA_CALL InitBindData(const char* path, int mode, int* recordCount,
                                            int* headerCount);
LOADDATA_API int LOADDATA_CALL InitBindHeader(char* path, int mode, int* transferNumber,
                                              int* entryCount);
LOADDATA_API int LOADDATA_CALL InitZuordTabelle(int mode, int* sourceLoad, int* ownLoad);
LOADDATA_API int LOADDATA_CALL SetIPathName(int i, const char* name);
LOADDATA_API int LOADDATA_CALL SetIBindStructData(int i, const BindRecord* record);
LOADDATA_API int LOADDATA_CALL BindNodeCoords(int mode, int i, int q, double* x, double* y,
                                              double* z);
LOADDATA_API int LOADDATA_CALL BindRefNodeCoords(int mode, int i, int q, double* x, double* y,
                                                 double* z);
LOADDATA_API int LOADDATA_CALL BindTrapezoidLoad(int mode, int i, int k, int* kind, double* q1,
                                                 double* q2, double* x1, double* x2);
LOADDATA_API int LOADDATA_CALL LoadBindSerializeData(int mode);
LOADDATA_API int LOADDATA_CALL BindGetVersions(int* a, int* version);
LOADDATA_API int LOADDATA_CALL GetTotalCopyOfBinds(BindRecord** records);
LOADDATA_API void LOADDATA_CALL FreeTotalCopyOfBinds(int count, BindRecord** records);
LOADDATA_API int LOADDATA_CALL GetIPathName(int i, char* out);
LOADDATA_API int LOADDATA_CALL GetIBindStructData(int i, BindRecord* out);
LOADDATA_API void LOADDATA_CALL LoadBindFree(void);

} // extern "C"
