// The combined report as saved: plain text and RTF with its colour table and escaping.
#include <gtest/gtest.h>

#include "core/TreeNode.h"
#include "ui/viewers/logic/ReportRtf.h"
#include "ui/viewers/logic/Utf8Units.h"

namespace kav {
namespace {

const std::vector<ColoredLine> Report = {
    {ColorBlack, " "},
    {ColorBlack, " Kavendrift Combined Directory and File Report - 01/05/24 13:05"},
    {ColorBlue, " New Dir = /tmp/new "},
    {ColorRed, " Old Dir = /tmp/old "},
    {ColorBlack, " S-D   Lvl  S-F"},
    {ColorBlack, "     ..  1     (*) y.txt  (120 - 100)"},
};

TEST(ReportRtf, WholeDocumentHasFontColourTableAndOneParagraphPerLine) {
  EXPECT_EQ(ReportRtf(Report, 8),
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
            "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}\n"
            "{\\colortbl ;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}\n"
            "\\pard\\plain\\f0\\fs16\n"
            "\\cf1  \\par\n"
            " Kavendrift Combined Directory and File Report - 01/05/24 13:05\\par\n"
            "\\cf2  New Dir = /tmp/new \\par\n"
            "\\cf3  Old Dir = /tmp/old \\par\n"
            "\\cf1  S-D   Lvl  S-F\\par\n"
            "     ..  1     (*) y.txt  (120 - 100)\\par\n"
            "}\n");
}

TEST(ReportRtf, FontSizeIsInHalfPoints) {
  EXPECT_NE(ReportRtf(Report, 12).find("\\fs24\n"), std::string::npos);
}

TEST(ReportRtf, AnEmptyReportIsStillADocument) {
  EXPECT_EQ(ReportRtf({}, 8),
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
            "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}\n"
            "{\\colortbl ;}\n"
            "\\pard\\plain\\f0\\fs16\n"
            "}\n");
}

TEST(ReportRtf, EscapesEveryTextThatCouldBreakTheDocument) {
  struct Case {
    const char* text;
    const char* rtf;
  } cases[] = {
      {"C:\\dir\\{x}", "C:\\\\dir\\\\\\{x\\}"},
      {"\\par injected", "\\\\par injected"},
      {"caf\xC3\xA9", "caf\\u233?"},                // é
      {"\xE2\x82\xAC", "\\u8364?"},                 // €
      {"\xEF\xBF\xBD\xEF\xBC\xA1", "?\\u-223?"},    // U+FFFD, then U+FF21 above 32767
      {"\xF0\x9D\x84\x9E", "\\u-10188?\\u-8930?"},  // U+1D11E as a surrogate pair
      {"bad\xFF"
       "byte\xC3",
       "bad?byte?"},  // not UTF-8
      {"tab\there\r", "tab?here?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(RtfEscape(c.text), c.rtf);
  }
}

TEST(ReportRtf, PlainTextIsEveryLineWithALineEnd) {
  EXPECT_EQ(ReportPlainText({{ColorBlue, "one"}, {ColorRed, ""}, {ColorBlack, "thr\xC3\xA9"}}),
            "one\n\nthr\xC3\xA9\n");
  EXPECT_EQ(ReportPlainText({}), "");
}

TEST(Utf8Units, DecodesAndCountsUtf16Units) {
  EXPECT_EQ(DecodeUtf8("a\xC3\xA9\xF0\x9D\x84\x9E"), (std::u32string{U'a', 0xE9, 0x1D11E}));
  EXPECT_EQ(DecodeUtf8("\xC0\x80\xED\xA0\x80"),  // overlong NUL, a surrogate
            (std::u32string{0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}));
  EXPECT_EQ(Utf16Length("a\xC3\xA9\xF0\x9D\x84\x9E"), 4u);
  EXPECT_EQ(Utf16Length(""), 0u);
  EXPECT_EQ(Utf16Length("\xE2\x82"), 2u);  // a cut sequence: one unit per byte
}

}  // namespace
}  // namespace kav
