#pragma once
// A small horizontal bar chart as inline SVG, for the dry run's web page: one
// row per label, each bar made of one or more parts side by side, each part
// in its own colour, the figures written after the bar.
#include <string>
#include <vector>

namespace quorvel {

struct BarRow {
  std::string Label;       // text of the system code page
  std::vector<int> Parts;  // one figure per part of the chart
};

struct BarChart {
  std::string Caption;                 // what the chart shows, for readers of the page without pictures
  std::vector<std::string> PartNames;  // the legend, when there are two parts or more
  std::vector<std::string> Colors;     // "#rrggbb", one per part
  std::vector<BarRow> Rows;
};

// The <svg> element; labels and names are escaped here.
std::string SvgBarChart(const BarChart& chart);

}  // namespace quorvel
