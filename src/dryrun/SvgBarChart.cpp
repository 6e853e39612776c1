#include "dryrun/SvgBarChart.h"

#include <algorithm>

#include "dryrun/HtmlText.h"
#include "text/AnsiText.h"

namespace quorvel {
namespace {

constexpr int kWidth = 640;
constexpr int kLabelWidth = 180;
constexpr int kBarArea = 360;
constexpr int kRowHeight = 20;
constexpr int kBarHeight = 14;
constexpr size_t kLabelBytes = 26;

std::string Attr(const char* name, int value) { return std::string(" ") + name + "=\"" + std::to_string(value) + "\""; }

std::string Text(int x, int y, const std::string& text, const char* anchor = "start") {
  return "<text" + Attr("x", x) + Attr("y", y) + " text-anchor=\"" + anchor + "\">" + HtmlEscaped(text) + "</text>";
}

std::string Rect(int x, int y, int width, int height, const std::string& color) {
  return "<rect" + Attr("x", x) + Attr("y", y) + Attr("width", width) + Attr("height", height) + " fill=\"" + color +
         "\"/>";
}

int Total(const BarRow& row) {
  int total = 0;
  for (int part : row.Parts) total += part;
  return total;
}

std::string Figures(const BarRow& row) {
  std::string figures;
  for (size_t i = 0; i < row.Parts.size(); ++i) figures += (i ? " + " : "") + std::to_string(row.Parts[i]);
  return figures;
}

std::string Legend(const BarChart& chart) {
  std::string legend;
  int x = kLabelWidth;
  for (size_t i = 0; i < chart.PartNames.size() && i < chart.Colors.size(); ++i) {
    legend += Rect(x, 4, 12, 12, chart.Colors[i]) + Text(x + 16, 14, chart.PartNames[i]);
    x += 28 + static_cast<int>(chart.PartNames[i].size()) * 7;
  }
  return legend;
}

}  // namespace

std::string SvgBarChart(const BarChart& chart) {
  const bool legend = chart.PartNames.size() > 1;
  const int top = legend ? 24 : 4;
  const int height = top + static_cast<int>(chart.Rows.size()) * kRowHeight + 4;
  int most = 1;
  for (const auto& row : chart.Rows) most = std::max(most, Total(row));

  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\"" + Attr("width", kWidth) + Attr("height", height) +
                    " viewBox=\"0 0 " + std::to_string(kWidth) + " " + std::to_string(height) +
                    "\" role=\"img\" aria-label=\"" + HtmlEscaped(chart.Caption) + "\">\n";
  if (legend) svg += Legend(chart) + "\n";
  int y = top;
  for (const auto& row : chart.Rows) {
    const std::string label =
        row.Label.size() > kLabelBytes ? CutAtCharacter(row.Label, kLabelBytes - 3) + "..." : row.Label;
    svg += Text(kLabelWidth - 6, y + kBarHeight - 2, label, "end");
    int x = kLabelWidth;
    for (size_t i = 0; i < row.Parts.size(); ++i) {
      const int width = static_cast<int>(static_cast<long long>(row.Parts[i]) * kBarArea / most);
      if (width > 0 && i < chart.Colors.size()) svg += Rect(x, y + 1, width, kBarHeight, chart.Colors[i]);
      x += width;
    }
    svg += Text(x + 6, y + kBarHeight - 2, Figures(row)) + "\n";
    y += kRowHeight;
  }
  return svg + "</svg>\n";
}

}  // namespace quorvel
