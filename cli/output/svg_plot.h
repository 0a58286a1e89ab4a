// ntc-beta-cli: a small SVG line chart for people who would rather look than read: axes with units, grid, legend.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace cli {

// One set of points. `line` joins them; `dashed` joins them with dashes;
// `markers` draws a circle at each; `band` fills between `low` and `y`
// (same length as `x`). Points whose values are not finite (or not above 0
// on a logarithmic axis) are left out, and a line breaks there.
struct PlotSeries {
    enum class Style { line, dashed, markers, band };
    std::string label; // in the legend; empty for none
    Style style = Style::line;
    std::vector<double> x, y, low;
    int colour = -1; // which of the palette's colours; -1: the series' own place in the list
};

// A chart: the title, the axes' labels with their units ("Temperature
// (°C)"), linear or logarithmic axes, and a label at one point (the best
// candidate, say). Texts are UTF-8; Chinese is drawn by the viewer's CJK
// font (the font list names the common ones of each system).
struct Plot {
    std::string title, xLabel, yLabel;
    bool logX = false, logY = false;
    bool zeroLine = false; // a darker line at y = 0
    bool siX = false;      // x ticks with SI prefixes: 1k, 10k, 1M
    std::vector<PlotSeries> series;
    std::string note;             // a label beside a ringed point (noteX, noteY)
    double noteX = 0.0, noteY = 0.0;
};

// Rows (x, y) as a line through them in order of x, and a circle at each,
// named `markersLabel` in the legend.
std::vector<PlotSeries> lineWithMarkers(std::vector<std::pair<double, double>> points, std::string markersLabel);

// The chart as a standalone SVG document, 800 × 500 user units, text 15
// units high (readable at 100 % on screen and in print), colours told
// apart by dash and marker too, for a black-and-white printer. An axis
// without a finite value is drawn from 0 to 1.
std::string svgPlot(const Plot& plot);

// Writes `svg` to the file named by the UTF-8 path, replacing it; false
// when the file cannot be written.
bool writeSvgFile(const std::string& utf8Path, const std::string& svg);

} // namespace cli
