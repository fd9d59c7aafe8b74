// The editor entry behind DoModalKVEdit, and the module-wide guard against a second editor.
#pragma once

#include "entry/KVEditRequest.h"

class CKVEditor;

// The editor that is open, or null; set only while its modal loop runs.
extern CKVEditor* g_pRunningEditor;

// Loads the language library for the call, runs the editor unless one is open already,
// and unloads the library again; the thread's last error survives the unloading.
int RunEditorEntry(KVEditRequest* request);
