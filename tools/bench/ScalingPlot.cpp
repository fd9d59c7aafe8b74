#include "tools/bench/ScalingPlot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{

const double kWidth = 640, kHeight = 400, kLeft = 70, kRight = 20, kTop = 40, kBottom = 60;

std::string Printed(const char* format, double a, double b = 0, double c = 0)
{
    char text[128];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

// A round step that divides the range into about five parts.
double TickStep(double range)
{
    const double raw = range / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * magnitude >= raw)
            return factor * magnitude;
    return 10 * magnitude;
}

struct Axes {
    double maxItems, maxSeconds;
    double X(double items) const { return kLeft + items / maxItems * (kWidth - kLeft - kRight); }
    double Y(double seconds) const
    {
        return kHeight - kBottom - seconds / maxSeconds * (kHeight - kTop - kBottom);
    }
};

std::string Line(const Axes& axes, const std::vector<ScalingRow>& rows, bool activation,
                 const char* colour)
{
    std::string points, marks;
    for (const ScalingRow& row : rows) {
        const double x = axes.X(row.items);
        const double y = axes.Y(activation ? row.activation : row.floor);
        points += Printed("%.1f,%.1f ", x, y);
        marks += Printed("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"3\" ", x, y) + "fill=\"" + colour +
                 "\"/>\n";
    }
    return "<polyline fill=\"none\" stroke-width=\"2\" stroke=\"" + std::string(colour) +
           "\" points=\"" + points + "\"/>\n" + marks;
}

std::string Grid(const Axes& axes)
{
    std::string svg;
    const double itemStep = TickStep(axes.maxItems);
    for (double items = 0; items <= axes.maxItems; items += itemStep)
        svg += Printed("<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">%.0f</text>\n",
                       axes.X(items), kHeight - kBottom + 18, items);
    const double secondStep = TickStep(axes.maxSeconds);
    for (double s = 0; s <= axes.maxSeconds; s += secondStep)
        svg +=
            Printed("<line x1=\"%.1f\" x2=\"%.1f\" ", kLeft, kWidth - kRight) +
            Printed("y1=\"%.1f\" y2=\"%.1f\" stroke=\"#ddd\"/>\n", axes.Y(s), axes.Y(s)) +
            Printed("<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"end\">", kLeft - 6, axes.Y(s) + 4) +
            Printed("%g</text>\n", s);
    return svg;
}

} // namespace

std::string ScalingTable(const std::vector<ScalingRow>& rows)
{
    std::string table =
        "| positions | transfer headers | tree items | activation | floor | ratio |\n"
        "| ---: | ---: | ---: | ---: | ---: | ---: |\n";
    for (const ScalingRow& row : rows)
        table += Printed("| %.0f | %.0f | %.0f ", row.positions, row.headers, row.items) +
                 Printed("| %.2f s | %.2f s | %.2f |\n", row.activation, row.floor,
                         row.activation / row.floor);
    return table;
}

bool WriteScalingPlot(const std::vector<ScalingRow>& rows, const std::string& path)
{
    Axes axes{1, 1};
    for (const ScalingRow& row : rows) {
        axes.maxItems = std::max(axes.maxItems, static_cast<double>(row.items));
        axes.maxSeconds = std::max({axes.maxSeconds, row.activation, row.floor});
    }
    axes.maxItems *= 1.05;
    axes.maxSeconds *= 1.1;
    std::string svg = Printed("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" "
                              "height=\"%.0f\" font-family=\"sans-serif\" font-size=\"12\">\n",
                              kWidth, kHeight) +
                      "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n" + Grid(axes) +
                      Printed("<line x1=\"%.1f\" x2=\"%.1f\" y1=\"%.1f\" ", kLeft, kWidth - kRight,
                              kHeight - kBottom) +
                      Printed("y2=\"%.1f\" stroke=\"black\"/>\n", kHeight - kBottom) +
                      Line(axes, rows, true, "#c0392b") + Line(axes, rows, false, "#2471a3") +
                      Printed("<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\">tree items"
                              "</text>\n",
                              (kLeft + kWidth - kRight) / 2, kHeight - 20) +
                      Printed("<text x=\"%.1f\" y=\"%.1f\">seconds: page activation (red), "
                              "floor: every file read once + bare tree control (blue)</text>\n",
                              kLeft, kTop - 16) +
                      "</svg>\n";
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (f == nullptr)
        return false;
    const bool written = std::fputs(svg.c_str(), f) >= 0;
    return std::fclose(f) == 0 && written;
}
