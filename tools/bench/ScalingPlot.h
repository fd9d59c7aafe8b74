// How the page's activation grows with the project: a table and a plot of activation time
// and its floor against the tree items shown.
#pragma once

#include <string>
#include <vector>

struct ScalingRow {
    int positions;
    int headers;
    int items;
    double activation; // seconds, the first activation (the tree built and filled)
    double floor;      // seconds: reading every file once and the bare tree control's fill
};

// The rows as a Markdown table.
std::string ScalingTable(const std::vector<ScalingRow>& rows);

// The rows as an SVG line plot (seconds over tree items), written to path.
bool WriteScalingPlot(const std::vector<ScalingRow>& rows, const std::string& path);
