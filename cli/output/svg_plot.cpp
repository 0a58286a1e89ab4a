// ntc-beta-cli: a small SVG line chart for people who would rather look than read: axes with units, grid, legend.
#include "cli/output/svg_plot.h"

#include "calc/number_writing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

namespace cli {

namespace {

constexpr double kWidth = 800, kHeight = 500;
constexpr double kLeft = 90, kRight = 30, kTop = 50, kBottom = 70;
constexpr std::array<const char*, 4> kColours{"#1f4e9c", "#b3261e", "#2e7d32", "#6a3d9a"};
constexpr const char* kFonts = "DejaVu Sans, Arial, Noto Sans CJK SC, Microsoft YaHei, SimSun, AR PL UMing CN, "
                               "sans-serif";

std::string escaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string number(double v) { return calc::fixedText(v, 1); }

// One axis: its range in plotted units (log10 of the value on a log axis)
// and where it lies on the page.
struct Axis {
    bool log = false;
    double low = 0, high = 1;
    double from = 0, to = 1; // page coordinates of low and high

    bool takes(double v) const { return std::isfinite(v) && (!log || v > 0); }
    double unit(double v) const { return log ? std::log10(v) : v; }
    double at(double v) const { return from + (unit(v) - low) / (high - low) * (to - from); }
};

// A step of 1, 2 or 5 times a power of ten that cuts the span into about
// `parts` parts.
double niceStep(double span, int parts)
{
    const double raw = span / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * power >= raw) return m * power;
    return 10 * power;
}

Axis axisOver(const std::vector<double>& values, bool log, bool withZero, double from, double to)
{
    Axis axis{log, std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), from, to};
    for (const double v : values)
        if (axis.takes(v)) {
            axis.low = std::min(axis.low, axis.unit(v));
            axis.high = std::max(axis.high, axis.unit(v));
        }
    if (withZero && !log) axis.low = std::min(axis.low, 0.0), axis.high = std::max(axis.high, 0.0);
    if (!(axis.low <= axis.high)) axis.low = 0, axis.high = 1;
    if (axis.high - axis.low < 1e-12 * std::max(1.0, std::fabs(axis.high))) axis.low -= 0.5, axis.high += 0.5;
    if (log) {
        axis.low = std::floor(axis.low), axis.high = std::ceil(axis.high);
        if (axis.high == axis.low) axis.high += 1;
        return axis;
    }
    const double step = niceStep(axis.high - axis.low, 6);
    axis.low = std::floor(axis.low / step) * step, axis.high = std::ceil(axis.high / step) * step;
    return axis;
}

// The tick values of an axis, as values (not plotted units).
std::vector<double> ticksOf(const Axis& axis)
{
    std::vector<double> ticks;
    if (axis.log) {
        for (double e = axis.low; e <= axis.high + 1e-9; ++e) ticks.push_back(std::pow(10.0, e));
        return ticks;
    }
    const double step = niceStep(axis.high - axis.low, 6);
    for (double v = axis.low; v <= axis.high + step * 1e-9; v += step) ticks.push_back(std::fabs(v) < step * 1e-9 ? 0 : v);
    return ticks;
}

std::string tickText(double v, bool si)
{
    if (si && std::fabs(v) >= 1e6) return calc::generalText(v / 1e6) + "M";
    if (si && std::fabs(v) >= 1e3) return calc::generalText(v / 1e3) + "k";
    return calc::generalText(v);
}

std::string gridAndTicks(const Axis& x, const Axis& y, bool siX)
{
    std::string out = "<g stroke=\"#d0d0d0\" stroke-width=\"1\">\n";
    std::string labels = "<g fill=\"#202020\" font-size=\"14\">\n";
    for (const double v : ticksOf(x)) {
        const std::string px = number(x.at(v));
        out += "<line x1=\"" + px + "\" y1=\"" + number(y.from) + "\" x2=\"" + px + "\" y2=\"" + number(y.to) + "\"/>\n";
        labels += "<text x=\"" + px + "\" y=\"" + number(y.from + 22) + "\" text-anchor=\"middle\">" +
                  tickText(v, siX) + "</text>\n";
    }
    for (const double v : ticksOf(y)) {
        const std::string py = number(y.at(v));
        out += "<line x1=\"" + number(x.from) + "\" y1=\"" + py + "\" x2=\"" + number(x.to) + "\" y2=\"" + py + "\"/>\n";
        labels += "<text x=\"" + number(x.from - 8) + "\" y=\"" + number(y.at(v) + 5) + "\" text-anchor=\"end\">" +
                  tickText(v, false) + "</text>\n";
    }
    return out + "</g>\n" + labels + "</g>\n";
}

// The path through the points the axes take, broken where one is left out.
std::string pathOf(const Axis& x, const Axis& y, const std::vector<double>& xs, const std::vector<double>& ys)
{
    std::string d;
    bool pen = false;
    for (std::size_t i = 0; i < xs.size() && i < ys.size(); ++i) {
        if (!x.takes(xs[i]) || !y.takes(ys[i])) {
            pen = false;
            continue;
        }
        d += (pen ? " L" : " M") + number(x.at(xs[i])) + " " + number(y.at(ys[i]));
        pen = true;
    }
    return d;
}

std::string seriesSvg(const PlotSeries& s, std::size_t index, const Axis& x, const Axis& y)
{
    const std::string colour = kColours[std::size_t(s.colour >= 0 ? s.colour : int(index)) % kColours.size()];
    switch (s.style) {
    case PlotSeries::Style::band: {
        std::vector<double> xs = s.x, ys = s.y;
        xs.insert(xs.end(), s.x.rbegin(), s.x.rend());
        ys.insert(ys.end(), s.low.rbegin(), s.low.rend());
        const std::string d = pathOf(x, y, xs, ys);
        return d.empty() ? "" : "<path d=\"" + d + " Z\" fill=\"" + colour + "\" fill-opacity=\"0.25\" stroke=\"" +
                                    colour + "\" stroke-width=\"1.5\"/>\n";
    }
    case PlotSeries::Style::markers: {
        std::string out = "<g fill=\"" + colour + "\">\n";
        for (std::size_t i = 0; i < s.x.size() && i < s.y.size(); ++i)
            if (x.takes(s.x[i]) && y.takes(s.y[i]))
                out += "<circle cx=\"" + number(x.at(s.x[i])) + "\" cy=\"" + number(y.at(s.y[i])) + "\" r=\"3.5\"/>\n";
        return out + "</g>\n";
    }
    default: {
        const std::string d = pathOf(x, y, s.x, s.y);
        const std::string dash = s.style == PlotSeries::Style::dashed ? " stroke-dasharray=\"8 5\"" : "";
        return d.empty() ? "" : "<path d=\"" + d + "\" fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"2\"" +
                                    dash + "/>\n";
    }
    }
}

std::string legendOf(const Plot& plot)
{
    std::string out;
    double row = kTop + 22;
    for (std::size_t i = 0; i < plot.series.size(); ++i) {
        const PlotSeries& s = plot.series[i];
        if (s.label.empty()) continue;
        const std::string colour = kColours[std::size_t(s.colour >= 0 ? s.colour : int(i)) % kColours.size()];
        const double x = kWidth - kRight - 250;
        std::string key;
        if (s.style == PlotSeries::Style::markers)
            key = "<circle cx=\"" + number(x + 14) + "\" cy=\"" + number(row - 5) + "\" r=\"3.5\" fill=\"" + colour + "\"/>";
        else if (s.style == PlotSeries::Style::band)
            key = "<rect x=\"" + number(x) + "\" y=\"" + number(row - 11) + "\" width=\"28\" height=\"12\" fill=\"" +
                  colour + "\" fill-opacity=\"0.25\" stroke=\"" + colour + "\"/>";
        else
            key = "<line x1=\"" + number(x) + "\" y1=\"" + number(row - 5) + "\" x2=\"" + number(x + 28) + "\" y2=\"" +
                  number(row - 5) + "\" stroke=\"" + colour + "\" stroke-width=\"2\"" +
                  (s.style == PlotSeries::Style::dashed ? " stroke-dasharray=\"8 5\"" : "") + "/>";
        out += key + "<text x=\"" + number(x + 36) + "\" y=\"" + number(row) + "\" font-size=\"14\">" +
               escaped(s.label) + "</text>\n";
        row += 22;
    }
    if (out.empty()) return "";
    // A pale box behind the keys, so that a curve under them stays apart.
    const std::string box = "<rect x=\"" + number(kWidth - kRight - 258) + "\" y=\"" + number(kTop + 6) +
                            "\" width=\"250\" height=\"" + number(row - kTop - 14) +
                            "\" fill=\"white\" fill-opacity=\"0.85\" stroke=\"#c0c0c0\"/>\n";
    return box + "<g fill=\"#202020\">\n" + out + "</g>\n";
}

} // namespace

std::vector<PlotSeries> lineWithMarkers(std::vector<std::pair<double, double>> points, std::string markersLabel)
{
    PlotSeries line{"", PlotSeries::Style::line, {}, {}, {}, -1};
    std::sort(points.begin(), points.end());
    for (const auto& [x, y] : points) line.x.push_back(x), line.y.push_back(y);
    PlotSeries markers = line;
    markers.style = PlotSeries::Style::markers;
    markers.colour = 0;
    markers.label = std::move(markersLabel);
    return {std::move(line), std::move(markers)};
}

std::string svgPlot(const Plot& plot)
{
    std::vector<double> xs, ys;
    for (const PlotSeries& s : plot.series) {
        xs.insert(xs.end(), s.x.begin(), s.x.end());
        ys.insert(ys.end(), s.y.begin(), s.y.end());
        ys.insert(ys.end(), s.low.begin(), s.low.end());
    }
    const Axis x = axisOver(xs, plot.logX, false, kLeft, kWidth - kRight);
    const Axis y = axisOver(ys, plot.logY, plot.zeroLine, kHeight - kBottom, kTop);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      number(kWidth) + "\" height=\"" + number(kHeight) + "\" viewBox=\"0 0 " + number(kWidth) + " " +
                      number(kHeight) + "\" font-family=\"" + kFonts + "\">\n";
    out += "<title>" + escaped(plot.title) + "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    out += gridAndTicks(x, y, plot.siX);
    if (plot.zeroLine && !plot.logY && y.low < 0 && y.high > 0)
        out += "<line x1=\"" + number(x.from) + "\" y1=\"" + number(y.at(0)) + "\" x2=\"" + number(x.to) + "\" y2=\"" +
               number(y.at(0)) + "\" stroke=\"#505050\" stroke-width=\"1.5\"/>\n";
    for (std::size_t i = 0; i < plot.series.size(); ++i) out += seriesSvg(plot.series[i], i, x, y);
    out += "<rect x=\"" + number(x.from) + "\" y=\"" + number(y.to) + "\" width=\"" + number(x.to - x.from) +
           "\" height=\"" + number(y.from - y.to) + "\" fill=\"none\" stroke=\"#202020\" stroke-width=\"1.5\"/>\n";
    if (!plot.note.empty() && x.takes(plot.noteX) && y.takes(plot.noteY))
        out += "<circle cx=\"" + number(x.at(plot.noteX)) + "\" cy=\"" + number(y.at(plot.noteY)) +
               "\" r=\"8\" fill=\"none\" stroke=\"#202020\" stroke-width=\"1.5\"/>\n<text x=\"" +
               number(x.at(plot.noteX)) + "\" y=\"" + number(y.at(plot.noteY) + 30) +
               "\" font-size=\"14\" text-anchor=\"middle\" fill=\"#202020\" stroke=\"white\" stroke-width=\"4\" "
               "paint-order=\"stroke\">" + escaped(plot.note) + "</text>\n";
    out += legendOf(plot);
    out += "<text x=\"" + number(kWidth / 2) + "\" y=\"30\" font-size=\"18\" text-anchor=\"middle\" fill=\"#202020\">" +
           escaped(plot.title) + "</text>\n";
    out += "<text x=\"" + number((x.from + x.to) / 2) + "\" y=\"" + number(kHeight - 20) +
           "\" font-size=\"15\" text-anchor=\"middle\" fill=\"#202020\">" + escaped(plot.xLabel) + "</text>\n";
    out += "<text transform=\"translate(24 " + number((y.from + y.to) / 2) +
           ") rotate(-90)\" font-size=\"15\" text-anchor=\"middle\" fill=\"#202020\">" + escaped(plot.yLabel) +
           "</text>\n";
    return out + "</svg>\n";
}

bool writeSvgFile(const std::string& utf8Path, const std::string& svg)
{
    // The name arrives as UTF-8 on every system; a path made from a
    // u8string opens it as such on Windows too.
    std::ofstream file(std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end())),
                       std::ios::binary | std::ios::trunc);
    file << svg;
    file.close();
    return bool(file);
}

} // namespace cli
