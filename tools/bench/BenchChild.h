// A part of a benchmark run in a process of its own, so that its peak working set is its
// own: the program runs itself again with the part's arguments, and the part hands its
// figures back as "name value" lines in a file.
#pragma once

#include <map>
#include <string>

// Runs this program with the arguments and waits; the figures the part wrote into
// resultFile, empty when it failed.
std::map<std::string, double> RunBenchChild(const std::string& arguments,
                                            const std::string& resultFile);

// In the part: writes the figures for RunBenchChild.
bool WriteBenchResults(const std::string& resultFile, const std::map<std::string, double>& figures);
