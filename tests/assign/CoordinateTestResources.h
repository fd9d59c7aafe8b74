#pragma once
// The coordinate field test dialog: the editor's origin fields, OK and Cancel.
#define IDD_COORDINATE_TEST 3000
