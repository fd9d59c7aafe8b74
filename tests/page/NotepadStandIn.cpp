// Stands in for the system's text editor in the page's print tests: copied as notepad.exe
// into the folder the test runs in, where the system's program search finds it first. It
// records its command line in notepad_command.txt there and ends at once.
#include <windows.h>

#include <cstdio>

int main()
{
    std::FILE* record = std::fopen("notepad_command.txt.part", "wb");
    if (record == nullptr)
        return 1;
    std::fputs(GetCommandLineA(), record);
    std::fclose(record);
    // Appears complete or not at all, so the test never reads half of it.
    return MoveFileA("notepad_command.txt.part", "notepad_command.txt") ? 0 : 1;
}
