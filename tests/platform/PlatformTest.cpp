// Checks the ground every other test stands on: the Wine locale the test runs
// fix, and a module DLL whose exports a host finds by their plain names.
#include <windows.h>

#include <gtest/gtest.h>

TEST(Platform, RunsWithGermanAnsiAndOemCodePages)
{
    EXPECT_EQ(1252u, GetACP());
    EXPECT_EQ(850u, GetOEMCP());
}

TEST(Platform, ModuleExportsAreUndecorated)
{
    HMODULE module = LoadLibraryA("kesvar.dll");
    ASSERT_NE(nullptr, module) << "error " << GetLastError();
    using Stub = int (*)();
    auto stub = reinterpret_cast<Stub>(GetProcAddress(module, "LoadKVDStringsLibrary"));
    ASSERT_NE(nullptr, stub);
    EXPECT_EQ(0, stub());
    FreeLibrary(module);
}
