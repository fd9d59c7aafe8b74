#pragma once

class KVSettingsKey;

// A window's stored place: left and top in screen coordinates, the outer size, and
// the splitter bar's left edge in client coordinates (0: none stored).
struct WindowPlacement {
    long left = 0;
    long top = 0;
    long width = 0;
    long height = 0;
    long splitter = 0;
};

// Reads "left,top,width,height,splitter" leniently, as atoi would read each number.
// Returns how many numbers the text holds (0 for an empty text); the numbers that
// are missing stay 0.
int ParseWindowPlacement(const char* text, WindowPlacement& placement);

// Reads a placement value through an open key; returns the count of numbers found,
// 0 when the value is missing or empty.
int ReadPlacementValue(const KVSettingsKey& key, const char* name, WindowPlacement& placement);
void WritePlacementValue(KVSettingsKey& key, const char* name, const WindowPlacement& placement);

// The transferred-load page's placement: 1 only for a value with all five numbers.
int ReadWindowPlacement(const KVSettingsKey& key, long& left, long& top, long& width, long& height,
                        long& splitter);
void WriteWindowPlacement(KVSettingsKey& key, long left, long top, long width, long height,
                          long splitter);
