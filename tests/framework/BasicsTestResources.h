#pragma once
// String resources of the framework basics tests (numbers 2000-2099).

#define IDS_TEST_LONG 2001
#define IDS_TEST_PLACEHOLDERS 2002
#define IDS_TEST_MISSING 2099
