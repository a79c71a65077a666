#include "platform/StrftimePatterns.h"

#include <string_view>
#include <vector>

namespace kav {
namespace {

// One piece of a strftime pattern: a conversion (letter and flag) or literal text.
struct Piece {
  char Letter = 0;  // 0 for literal text
  char Flag = 0;    // one of "-_0^#", or 0
  std::string Literal;
};

constexpr int kExpansionDepth = 3;  // %r may name a pattern holding %T

std::string_view Expansion(char letter, std::string_view amPmPattern) {
  switch (letter) {
    case 'D':
      return "%m/%d/%y";
    case 'F':
      return "%Y-%m-%d";
    case 'T':
      return "%H:%M:%S";
    case 'R':
      return "%H:%M";
    case 'r':
      return amPmPattern.empty() ? "%I:%M:%S %p" : amPmPattern;
    default:
      return {};
  }
}

void AppendLiteral(std::vector<Piece>& pieces, char c) {
  if (pieces.empty() || pieces.back().Letter != 0) pieces.emplace_back();
  pieces.back().Literal += c;
}

bool IsFlag(char c) {
  return c == '-' || c == '_' || c == '0' || c == '^' || c == '#';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

void Parse(std::string_view pattern, std::string_view amPm, int depth, std::vector<Piece>& out) {
  for (std::size_t i = 0; i < pattern.size();) {
    if (pattern[i] != '%') {
      AppendLiteral(out, pattern[i++]);
      continue;
    }
    Piece piece;
    std::size_t j = i + 1;
    while (j < pattern.size() && IsFlag(pattern[j])) piece.Flag = pattern[j++];
    while (j < pattern.size() && IsDigit(pattern[j])) ++j;
    if (j < pattern.size() && (pattern[j] == 'E' || pattern[j] == 'O')) ++j;
    if (j >= pattern.size()) break;
    piece.Letter = pattern[j];
    i = j + 1;
    std::string_view expansion = Expansion(piece.Letter, amPm);
    if (!expansion.empty() && depth < kExpansionDepth) {
      Parse(expansion, amPm, depth + 1, out);
    } else if (piece.Letter == '%') {
      AppendLiteral(out, '%');
    } else if (piece.Letter == 'n' || piece.Letter == 't') {
      AppendLiteral(out, ' ');
    } else if (expansion.empty()) {
      out.push_back(piece);
    }
  }
}

std::vector<Piece> Parse(std::string_view pattern, std::string_view amPm) {
  std::vector<Piece> pieces;
  Parse(pattern, amPm, 0, pieces);
  return pieces;
}

bool Unpadded(char flag) {
  return flag == '-' || flag == '_';
}

// The picture letters of a date conversion; empty when it has no numeric date field.
std::string DateField(const Piece& piece) {
  switch (piece.Letter) {
    case 'd':
      return Unpadded(piece.Flag) ? "d" : "dd";
    case 'e':
      return piece.Flag == '0' ? "dd" : "d";
    case 'm':
      return Unpadded(piece.Flag) ? "M" : "MM";
    case 'b':
    case 'B':
    case 'h':
      return "MM";
    case 'y':
    case 'g':
      return "yy";
    case 'Y':
    case 'G':
      return "yyyy";
    default:
      return {};
  }
}

bool IsPictureDateLetter(char c) {
  return c == 'd' || c == 'D' || c == 'm' || c == 'M' || c == 'y' || c == 'Y';
}

// A separator is one ASCII punctuation character or a blank opening the literal after a field.
char SeparatorAfter(const std::vector<Piece>& pieces, std::size_t field, char fallback) {
  if (field + 1 >= pieces.size() || pieces[field + 1].Letter != 0) return fallback;
  char c = pieces[field + 1].Literal.front();
  bool punctuation = (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
                     (c >= '{' && c <= '~');
  return (punctuation || c == ' ') ? c : fallback;
}

std::string Trimmed(const std::string& text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void ReadDatePattern(std::string_view dateFormat, DateLocaleFacts& facts) {
  std::vector<Piece> pieces = Parse(dateFormat, {});
  std::string pattern;
  std::size_t firstField = std::string::npos;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].Letter == 0) {
      for (char c : pieces[i].Literal) {
        if (!IsPictureDateLetter(c)) pattern += c;
      }
      continue;
    }
    std::string field = DateField(pieces[i]);
    if (!field.empty() && firstField == std::string::npos) firstField = i;
    pattern += field;
  }
  if (firstField == std::string::npos) return;
  facts.ShortDatePattern = Trimmed(pattern);
  facts.DateSeparator = SeparatorAfter(pieces, firstField, '/');
}

void ReadTimePattern(const LangInfoTexts& texts, DateLocaleFacts& facts) {
  std::vector<Piece> pieces = Parse(texts.TimeFormat, texts.TimeFormatAmPm);
  std::size_t hour = std::string::npos, designator = std::string::npos;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    char letter = pieces[i].Letter;
    bool isHour = letter == 'H' || letter == 'k' || letter == 'I' || letter == 'l';
    if (isHour && hour == std::string::npos) hour = i;
    if ((letter == 'p' || letter == 'P') && designator == std::string::npos) designator = i;
  }
  if (hour == std::string::npos) return;
  const Piece& h = pieces[hour];
  bool zeroByDefault = h.Letter == 'H' || h.Letter == 'I';
  facts.HourLeadingZero = zeroByDefault ? !Unpadded(h.Flag) : h.Flag == '0';
  facts.TwelveHourClock = h.Letter == 'I' || h.Letter == 'l';
  facts.DesignatorBefore = designator != std::string::npos && designator < hour;
  facts.TimeSeparator = SeparatorAfter(pieces, hour, ':');
}

}  // namespace

DateLocaleFacts DateFactsFromStrftime(const LangInfoTexts& texts) {
  DateLocaleFacts facts;
  ReadDatePattern(texts.DateFormat, facts);
  ReadTimePattern(texts, facts);
  facts.AmDesignator = texts.Am;
  facts.PmDesignator = texts.Pm;
  if (facts.TwelveHourClock && (texts.Am.empty() || texts.Pm.empty())) {
    facts.AmDesignator = "AM";
    facts.PmDesignator = "PM";
  }
  return facts;
}

}  // namespace kav
