#include "settings/WindowPlacement.h"

#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
// Buffer of the stored text: 1027 characters and the terminating zero.
constexpr DWORD kPlacementBufferSize = 1028;
constexpr int kPlacementNumbers = 5;

// Leading blanks, an optional sign, then digits up to the first non-digit; no digits
// give 0. Values beyond the range of long are clamped rather than undefined.
long LenientNumber(const char* text)
{
    return std::strtol(text, nullptr, 10);
}
} // namespace

int ParseWindowPlacement(const char* text, WindowPlacement& placement)
{
    placement = WindowPlacement();
    if (!text || !*text)
        return 0;
    long* const fields[kPlacementNumbers] = {&placement.left, &placement.top, &placement.width,
                                             &placement.height, &placement.splitter};
    int count = 0;
    for (const char* p = text; p && count < kPlacementNumbers; ++count) {
        *fields[count] = LenientNumber(p);
        p = std::strchr(p, ',');
        if (p)
            ++p;
    }
    return count;
}

int ReadPlacementValue(const KVSettingsKey& key, const char* name, WindowPlacement& placement)
{
    char text[kPlacementBufferSize];
    DWORD size = sizeof text;
    if (key.QueryString(text, name, &size) != ERROR_SUCCESS)
        text[0] = '\0';
    return ParseWindowPlacement(text, placement);
}

void WritePlacementValue(KVSettingsKey& key, const char* name, const WindowPlacement& placement)
{
    char text[kPlacementBufferSize];
    std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld,%ld", placement.left, placement.top,
                  placement.width, placement.height, placement.splitter);
    key.SetString(text, name);
}

int ReadWindowPlacement(const KVSettingsKey& key, long& left, long& top, long& width, long& height,
                        long& splitter)
{
    WindowPlacement placement;
    const bool complete =
        ReadPlacementValue(key, settings::kWindowManager, placement) == kPlacementNumbers;
    if (!complete)
        placement = WindowPlacement();
    left = placement.left;
    top = placement.top;
    width = placement.width;
    height = placement.height;
    splitter = placement.splitter;
    return complete ? 1 : 0;
}

void WriteWindowPlacement(KVSettingsKey& key, long left, long top, long width, long height,
                          long splitter)
{
    WritePlacementValue(key, settings::kWindowManager, {left, top, width, height, splitter});
}
