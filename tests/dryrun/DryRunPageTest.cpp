// The dry run's web page: the figures of the text summary, the hits marked,
// everything from the transcript escaped, the code page declared, and a page
// an HTML parser reads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ReplayFixture.h"
#include "dryrun/DryRunPage.h"
#include "dryrun/HtmlText.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

using testing::ReplayTest;

// The page's text as a reader sees it: tags dropped, references resolved.
std::string VisibleText(const std::string& html) {
  std::string text;
  for (size_t i = 0; i < html.size(); ++i) {
    if (html[i] == '<') {
      i = html.find('>', i);
      if (i == std::string::npos) break;
      continue;
    }
    text.push_back(html[i]);
  }
  for (const auto& [ref, c] : std::vector<std::pair<std::string, std::string>>{
           {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}}) {
    for (size_t at = text.find(ref); at != std::string::npos; at = text.find(ref, at + 1))
      text.replace(at, ref.size(), c);
  }
  return text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = text.find('\n'); end != std::string::npos; start = end + 1, end = text.find('\n', start))
    lines.push_back(text.substr(start, end - start));
  return lines;
}

constexpr const char* kNight =
    "Bob has joined the room\n"
    "Bob: I love classic rock\n"
    "Cid: what the hell, hello\n"
    "Troll has joined the room\n"
    "Dee: hi bot\n"
    "Ann: greeter off\n"
    "Eve has joined the room\n";

class DryRunPageTest : public ReplayTest {
 protected:
  std::string Page(const std::string& transcript) {
    ReplayOptions options;
    options.SummaryOnly = true;
    options.Page = root / "night - dry run.htm";
    EXPECT_EQ(Replay(transcript, options), kScenarioPassed) << errors.str();
    return scratch.Read(*options.Page);
  }
};

TEST_F(DryRunPageTest, ThePageHoldsEveryLineOfTheTextSummaryInItsOrder) {
  const std::string page = Page(kNight);
  const std::string text = VisibleText(page);
  size_t from = 0;
  for (std::string line : Lines(summary.str())) {
    line.erase(0, line.find_first_not_of(' '));
    if (!line.empty() && line.back() == ':') line.pop_back();  // a heading stands without its colon
    if (line.empty()) continue;
    const size_t at = text.find(line, from);
    ASSERT_NE(at, std::string::npos) << "missing or out of order: " << line << "\n" << text;
    from = at + line.size();
  }
  // The summary that was compared holds what this test means to compare.
  EXPECT_NE(summary.str().find("inside words: classic x1"), std::string::npos) << summary.str();
  EXPECT_NE(summary.str().find("Troll: bounced 1 (auto list)"), std::string::npos) << summary.str();
  EXPECT_NE(summary.str().find("\"hi bot\": 1 line"), std::string::npos) << summary.str();
}

TEST_F(DryRunPageTest, EveryHitIsMarkedByItsKindAndTheChartsAreThere) {
  const std::string page = Page(kNight);
  EXPECT_NE(page.find("Bob: I love cl<span class=\"inside\">ass</span>ic rock (inside a word)"), std::string::npos)
      << page;
  EXPECT_NE(page.find("Cid: what the <span class=\"hit\">hell</span>, <span class=\"inside\">hell</span>o"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("aria-label=\"Messages sent per feature\""), std::string::npos);
  EXPECT_NE(page.find("aria-label=\"Lines per phrase, free-standing and inside a word\""), std::string::npos);
  // "hell": one free-standing line, none only inside words; "ass": the other way round.
  EXPECT_NE(page.find("&quot;hell&quot;</text>"), std::string::npos);
  EXPECT_NE(page.find(">1 + 0</text>"), std::string::npos) << page;
  EXPECT_NE(page.find(">0 + 1</text>"), std::string::npos) << page;
  // The colours are told once, before the phrases, each square before its word.
  const size_t legend = page.find(
      "<span class=\"key\" style=\"background:#c0392b\"></span>free-standing "
      "<span class=\"key\" style=\"background:#e6a117\"></span>inside a word");
  EXPECT_LT(legend, page.find("<h3>", page.find("<h2>Monitored phrases hit</h2>"))) << page;
  EXPECT_EQ(page.find("free-standing", page.find("free-standing", legend) + 1), page.find("free-standing hit"));
  EXPECT_EQ(page.find(">inside a word</text>"), std::string::npos) << page;
  // Self-contained: nothing that runs, nothing fetched.
  for (const char* outside : {"<script", "src=", "href=", "@import", "url("})
    EXPECT_EQ(page.find(outside), std::string::npos) << outside;
}

TEST_F(DryRunPageTest, EverythingFromTheTranscriptIsEscaped) {
  Write("words.txt", "\"<b>\"\r\n");
  const std::string page = Page("<i>Bob&Co: <script>alert('x')</script> <b>\x01\n");
  EXPECT_EQ(page.find("<script>"), std::string::npos) << page;
  EXPECT_EQ(page.find("<i>"), std::string::npos) << page;
  EXPECT_NE(page.find("&lt;i&gt;Bob&amp;Co: &lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; "
                      "<span class=\"hit\">&lt;b&gt;</span>&#x2401;"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("<h3>&quot;&lt;b&gt;&quot;: 1 line</h3>"), std::string::npos) << page;
}

TEST_F(DryRunPageTest, ThePageDeclaresTheSystemCodePage) {
  EXPECT_NE(Page(kNight).find("<meta charset=\"windows-1252\">"), std::string::npos);
  ScopedSystemCodePage japanese(932);
  EXPECT_NE(Page("Bob: \x83\x61 hell\n").find("<meta charset=\"shift_jis\">"), std::string::npos);
  const struct {
    int CodePage;
    const char* Name;
  } names[] = {{874, "windows-874"}, {1250, "windows-1250"}, {1251, "windows-1251"}, {1258, "windows-1258"},
               {932, "shift_jis"},   {936, "gbk"},           {949, "euc-kr"},        {950, "big5"}};
  for (const auto& n : names) EXPECT_EQ(HtmlCharset(n.CodePage), n.Name);
}

TEST(HtmlTextTest, APairIsOneCharacterOnlyWithATrailByte) {
  ScopedSystemCodePage japanese(932);
  // A whole character; a lead byte before "<" and one at the end, each as U+FFFD.
  EXPECT_EQ(HtmlEscaped("\x82\xA0<\x82<i>\x82"), "\x82\xA0&lt;&#xFFFD;&lt;i&gt;&#xFFFD;");
}

// A lead byte before "<", "\"" and "&" and at a line's end, in every
// double-byte code page: libxml2 reads the page in its code page and finds
// only the page's own elements and attributes.
TEST_F(DryRunPageTest, NoTranscriptMakesAnElementOrAttribute) {
  Write("words.txt", "\"bad\"\r\n");
  std::string night;
  for (const std::string l : {"\x81", "\x82", "\xA4", "\xB0", "\xE0", "\xFC", "\xFE"})
    night += l + "<b>Eve: bad " + l + "<img src=x onerror=alert(1)>" + l + "\"" + l + "&" + l + "0" + l + "\n";
  const std::string foreign =
      "//*[not(self::html or self::head or self::meta or self::title or self::style or self::body or self::h1 or "
      "self::h2 or self::h3 or self::p or self::ul or self::li or self::span or self::svg or self::rect or "
      "self::text)] | //@*[not(contains(' lang charset class style xmlns width height viewbox role aria-label x y "
      "fill text-anchor ', concat(' ', name(), ' ')))]";
  const std::string found = (root / "found.txt").string(), report = (root / "xmllint.txt").string();
  for (const int codePage : {932, 936, 949, 950}) {
    ScopedSystemCodePage system(codePage);
    EXPECT_NE(Page(night).find("onerror=alert(1)"), std::string::npos) << codePage;  // there, as text
    std::system(("xmllint --html --xpath \"" + foreign + "\" '" + (root / "night - dry run.htm").string() + "' >'" +
                 found + "' 2>'" + report + "'")
                    .c_str());
    EXPECT_EQ(scratch.Read(found), "") << codePage;
    EXPECT_EQ(scratch.Read(report).find("encoding error"), std::string::npos) << codePage << scratch.Read(report);
    EXPECT_NE(scratch.Read(report).find("XPath set is empty"), std::string::npos) << codePage << scratch.Read(report);
  }
}

// libxml2's HTML parser knows HTML 4, so it names each element of the inline
// SVG an unknown tag; it must find nothing else. The SVG itself must be
// well-formed XML.
TEST_F(DryRunPageTest, ThePageParsesAsHtmlAndItsChartsAsXml) {
  Write("words.txt", "\"ass\"\r\n\"hell\"\r\n\"caf\xe9\"\r\n");
  const std::string page = Page(std::string(kNight) + "Fay: caf\xe9 & <cake>, hello\n");
  const std::string pageFile = (root / "night - dry run.htm").string();
  const std::string report = (root / "xmllint.txt").string();
  ASSERT_EQ(std::system(("xmllint --html --noout '" + pageFile + "' 2>'" + report + "'").c_str()), 0)
      << "xmllint is missing: scripts/setup installs libxml2-utils";
  for (const std::string& line : Lines(scratch.Read(report))) {
    const size_t error = line.find("parser error : ");
    if (error == std::string::npos) continue;  // the quoted source and its caret
    const std::string message = line.substr(error + 15);
    EXPECT_TRUE(message == "Tag svg invalid" || message == "Tag rect invalid" || message == "Tag text invalid")
        << message;
  }
  int charts = 0;
  for (size_t at = page.find("<svg"); at != std::string::npos; at = page.find("<svg", at + 1), ++charts) {
    const size_t end = page.find("</svg>", at);
    ASSERT_NE(end, std::string::npos);
    const std::string svgFile = (root / ("chart" + std::to_string(charts) + ".svg")).string();
    scratch.Write("chart" + std::to_string(charts) + ".svg",
                  "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n" + page.substr(at, end + 6 - at));
    EXPECT_EQ(std::system(("xmllint --noout '" + svgFile + "' 2>'" + report + "'").c_str()), 0) << scratch.Read(report);
  }
  EXPECT_EQ(charts, 2);
}

}  // namespace
}  // namespace quorvel
