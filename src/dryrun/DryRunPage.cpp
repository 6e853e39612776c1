#include "dryrun/DryRunPage.h"

#include <algorithm>

#include "dryrun/DryRunFlood.h"
#include "dryrun/DryRunText.h"
#include "dryrun/HtmlText.h"
#include "dryrun/SvgBarChart.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

// The colours of the two kinds of hit, the same in the examples and the chart.
constexpr const char* kFreeColor = "#c0392b";
constexpr const char* kInsideColor = "#e6a117";

constexpr const char* kStyle =
    "body { font-family: Tahoma, Verdana, sans-serif; max-width: 60em; margin: 2em auto; color: #222; }\n"
    "h1 { color: #800000; } h2 { border-bottom: 1px solid #c00000; color: #800000; margin-top: 1.6em; }\n"
    "h3 { font-size: 1em; margin: 1em 0 .2em; }\n"
    "ul { margin: .2em 0; padding-left: 1.5em; } .none { color: #777; }\n"
    ".words { margin: .2em 0 .2em 1.5em; color: #555; }\n"
    ".examples li { font-family: Consolas, 'Courier New', monospace; font-size: .9em; white-space: pre-wrap; }\n"
    ".hit { background: #f5b7b1; border-bottom: 2px solid #c0392b; }\n"
    ".inside { background: #fad7a0; border-bottom: 2px solid #e6a117; }\n"
    ".key { display: inline-block; width: .8em; height: .8em; margin: 0 .3em 0 1em; }\n"
    ".shown { margin: 0 0 0 1.5em; color: #555; }\n"
    "svg { display: block; margin: .5em 0; font: 12px Tahoma, Verdana, sans-serif; }\n";

std::string Escaped(const std::string& text) { return HtmlEscaped(text); }

std::string Item(const std::string& text) { return "<li>" + Escaped(text) + "</li>\n"; }

std::string NoneOr(const std::string& items) {
  return items.empty() ? "<p class=\"none\">none</p>\n" : "<ul>\n" + items + "</ul>\n";
}

// The line with each occurrence of the phrase marked, by its kind.
std::string MarkedExample(const ExampleLine& e) {
  std::string out = "<li>" + Escaped(ExamplePrefix(e));
  size_t done = 0;
  for (const HitMark& m : e.Marks) {
    if (m.At < done || m.At + m.Length > e.Text.size()) continue;  // overlapping: the first one is marked
    out += Escaped(e.Text.substr(done, m.At - done));
    out += std::string("<span class=\"") + (m.InsideWord ? "inside" : "hit") + "\">" +
           Escaped(e.Text.substr(m.At, m.Length)) + "</span>";
    done = m.At + m.Length;
  }
  return out + Escaped(e.Text.substr(done)) + Escaped(ExampleSuffix(e)) + "</li>\n";
}

std::string FeatureChart(const DryRunFigures& f) {
  BarChart chart{"Messages sent per feature", {}, {"#4a78b5"}, {}};
  for (const auto& feature : SummaryFeatures()) {
    const auto it = f.PerFeature.find(feature);
    if (it != f.PerFeature.end()) chart.Rows.push_back({feature, {it->second}});
  }
  return chart.Rows.empty() ? "" : SvgBarChart(chart);
}

// The colours of both kinds of hit, for the chart and the marked examples
// alike: said once, before the phrases.
std::string HitLegend() {
  return std::string("<p>Hits: <span class=\"key\" style=\"background:") + kFreeColor +
         "\"></span>free-standing <span class=\"key\" style=\"background:" + kInsideColor +
         "\"></span>inside a word</p>\n";
}

std::string PhraseChart(const DryRunFigures& f) {
  // Without part names: the page's legend above says what the colours are.
  BarChart chart{"Lines per phrase, free-standing and inside a word", {}, {kFreeColor, kInsideColor}, {}};
  const auto phrases = PhrasesByLines(f);
  for (size_t i = 0; i < phrases.size() && i < kChartedPhrases; ++i) {
    const PhraseHits& h = f.Phrases.at(phrases[i]);
    chart.Rows.push_back({Quoted(phrases[i]), {h.Lines - h.InsideWordLines, h.InsideWordLines}});
  }
  return chart.Rows.empty() ? "" : SvgBarChart(chart);
}

std::string PhraseSection(const DryRunFigures& f) {
  std::string out = "<h2>Monitored phrases hit</h2>\n";
  if (f.PhraseOrder.empty()) return out + NoneOr("");
  out += HitLegend() + "<p>The " + std::to_string(std::min(f.PhraseOrder.size(), kChartedPhrases)) +
         " phrases with most lines: lines with a free-standing hit and lines with hits only inside words</p>\n" +
         PhraseChart(f);
  for (const auto& phrase : f.PhraseOrder) {
    const PhraseHits& h = f.Phrases.at(phrase);
    out += "<h3>" + Escaped(PhraseHeadline(phrase, h)) + "</h3>\n";
    if (const std::string words = InsideWordsLine(h); !words.empty())
      out += "<p class=\"words\">" + Escaped(words) + "</p>\n";
    out += "<ul class=\"examples\">\n";
    for (const auto& e : h.Examples) out += MarkedExample(e);
    out += "</ul>\n";
    if (const std::string shown = ExamplesShownLine(h); !shown.empty())
      out += "<p class=\"shown\">" + Escaped(shown) + "</p>\n";
  }
  return out;
}

std::string ModerationSection(const DryRunFigures& f) {
  std::string items;
  for (const auto& [nick, m] : f.Moderated) items += Item(ModerationLine(nick, m));
  return "<h2>Bounces and red dots</h2>\n" + NoneOr(items);
}

std::string FloodSection(const FloodFigures& f) {
  std::string out = "<h2>Flood guard</h2>\n";
  if (!f.On) return out + "<p class=\"none\">off</p>\n";
  std::string checks;
  for (size_t i = 0; i < kFloodChecks.size(); ++i) checks += Item(FloodCheckLine(f, i));
  out += "<h3>Reactions per check</h3>\n<ul>\n" + checks + "</ul>\n<h3>Reactions per nick</h3>\n";
  std::string nicks;
  for (const auto& [nick, reactions] : f.PerNick) {
    std::string listed;
    for (const FloodReaction& r : reactions.Shown) listed += Item(FloodReactionLine(r));
    if (const std::string more = FloodMoreLine(reactions); !more.empty()) listed += Item(more);
    nicks += "<li>" + Escaped(FloodNickLine(nick, reactions)) + "\n<ul>\n" + listed + "</ul>\n</li>\n";
  }
  out += NoneOr(nicks) + "<h3>" + Escaped(GreeterPausesLine(f)) + "</h3>\n";
  std::string pauses;
  for (const GreeterPause& p : f.Pauses) pauses += Item(GreeterPauseLine(p));
  if (!pauses.empty()) out += "<ul>\n" + pauses + "</ul>\n";
  return out;
}

std::string MostlyInsideSection(const DryRunFigures& f) {
  std::string items;
  for (const auto& phrase : MostlyInsideWords(f)) items += Item(MostlyInsideLine(phrase, f.Phrases.at(phrase)));
  return "<h2>Phrases that hit mostly inside words</h2>\n" + NoneOr(items);
}

std::string TailSections(const DryRunFigures& f) {
  std::string triggers;
  for (const auto& trigger : f.TriggerOrder) triggers += Item(TriggerLine(trigger, f.Triggers.at(trigger)));
  std::string out = "<h2>Triggers answered</h2>\n" + NoneOr(triggers);

  out += "<h2>Greetings sent: " + std::to_string(f.Greeted.size()) + "</h2>\n";
  if (const std::string greeted = GreetedLine(f); !greeted.empty()) out += "<p>" + Escaped(greeted) + "</p>\n";
  if (const std::string why = NoGreetingLine(f); !why.empty()) out += "<p>" + Escaped(why) + "</p>\n";

  out += "<h2>Commands obeyed: " + std::to_string(f.Commands.size()) + "</h2>\n";
  std::string commands;
  const size_t shown = std::min(f.Commands.size(), kCommandsShown);
  for (size_t i = 0; i < shown; ++i) commands += Item(f.Commands[i]);
  if (f.Commands.size() > shown) commands += Item("and " + std::to_string(f.Commands.size() - shown) + " more");
  if (!commands.empty()) out += "<ul>\n" + commands + "</ul>\n";

  out += "<h2>Announcements: " + std::to_string(AnnouncementsMade(f)) + "</h2>\n";
  std::string announcements;
  for (const auto& text : f.AnnouncementOrder)
    announcements += Item(Quoted(text) + " x" + std::to_string(f.Announcements.at(text)));
  if (!announcements.empty()) out += "<ul>\n" + announcements + "</ul>\n";
  return out;
}

}  // namespace

std::string DryRunPage(const DryRunFigures& f, const std::string& name) {
  std::string stem = name;
  if (const size_t dot = stem.rfind('.'); dot != std::string::npos && dot > 0) stem.resize(dot);
  std::string page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"" + HtmlCharset(SystemCodePage()) +
                     "\">\n<title>" + Escaped(stem + " - dry run") + "</title>\n<style>\n" + kStyle +
                     "</style>\n</head>\n<body>\n";
  page += "<h1>" + Escaped("Dry run of " + name) + "</h1>\n<p>" + Escaped(SummaryHeadline(f)) + "</p>\n";

  page += "<h2>Messages sent: " + std::to_string(MessagesSent(f)) + "</h2>\n";
  std::string features;
  for (const auto& feature : SummaryFeatures()) {
    const auto it = f.PerFeature.find(feature);
    if (it != f.PerFeature.end()) features += Item(FeatureLine(f, feature, it->second));
  }
  if (!features.empty()) page += "<ul>\n" + features + "</ul>\n" + FeatureChart(f);

  page += ModerationSection(f) + FloodSection(f.Flood) + MostlyInsideSection(f) + PhraseSection(f) + TailSections(f);
  return page + "</body>\n</html>\n";
}

}  // namespace quorvel
