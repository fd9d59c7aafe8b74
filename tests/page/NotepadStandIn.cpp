// Stands in for the system's text editor when the page prints (copied as notepad.exe into
// the current folder, found first there): records its command line in notepad_command.txt.
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
