// The date and time texts built from any locale facts (patterns, separators, designators),
// and the strftime translation fed any pattern: every stamp gives texts of one width, so the
// report columns line up whatever the locale says.

#include <string>

#include "FuzzCheck.h"
#include "platform/StrftimePatterns.h"
#include "text/CharacterCut.h"
#include "text/DateLocaleBuild.h"
#include "text/DateText.h"

using kav::fuzz::InputReader;

namespace {

kav::DateLocaleFacts FactsFrom(InputReader& in) {
  kav::DateLocaleFacts facts;
  const uint8_t flags = in.Byte();
  facts.HourLeadingZero = (flags & 1) != 0;
  facts.TwelveHourClock = (flags & 2) != 0;
  facts.DesignatorBefore = (flags & 4) != 0;
  facts.DateSeparator = static_cast<char>(in.Byte());
  facts.TimeSeparator = static_cast<char>(in.Byte());
  facts.ShortDatePattern = in.Text(48);
  facts.AmDesignator = in.Text(12);
  facts.PmDesignator = in.Text(12);
  return facts;
}

void CheckLocale(const kav::DateLocaleFacts& facts, const kav::DateLocale& locale) {
  FUZZ_CHECK(kav::CharacterCount(locale.ShortDateFormat) <= 31);
  FUZZ_CHECK(kav::CharacterCount(locale.AmDesignator) <= 7);
  FUZZ_CHECK(kav::CharacterCount(locale.PmDesignator) <= 7);
  // A cut never splits a character.
  if (kav::fuzz::IsUtf8(facts.ShortDatePattern)) {
    FUZZ_CHECK(kav::fuzz::IsUtf8(locale.ShortDateFormat));
  }
  if (kav::fuzz::IsUtf8(facts.AmDesignator)) FUZZ_CHECK(kav::fuzz::IsUtf8(locale.AmDesignator));
}

void CheckStamps(const kav::DateLocale& locale, uint32_t stamp) {
  const std::string date = kav::DateText(stamp, locale);
  const std::string both = kav::DateTimeText(stamp, locale);
  FUZZ_CHECK(both.starts_with(date + ' '));
  // One width for every stamp: the smallest, this one, the largest, a morning and an evening.
  for (uint32_t other : {0U, 0xFFFFFFFFU, 0x21000000U, 0x21006000U, 0x2100A000U}) {
    FUZZ_CHECK(kav::DateText(other, locale).size() == date.size());
    FUZZ_CHECK(kav::DateTimeText(other, locale).size() == both.size());
  }
}

void CheckStrftime(InputReader& in) {
  kav::LangInfoTexts texts;
  texts.DateFormat = in.Text(40);
  texts.TimeFormat = in.Text(40);
  texts.TimeFormatAmPm = in.Text(40);
  texts.Am = in.Text(12);
  texts.Pm = in.Text(12);
  const kav::DateLocaleFacts facts = kav::DateFactsFromStrftime(texts);
  const kav::DateLocale locale = kav::BuildDateLocale(facts);
  CheckLocale(facts, locale);
  CheckStamps(locale, in.Word());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  InputReader in(data, size);
  const kav::DateLocaleFacts facts = FactsFrom(in);
  const kav::DateLocale locale = kav::BuildDateLocale(facts);
  CheckLocale(facts, locale);
  CheckStamps(locale, in.Word());
  CheckStrftime(in);
  return 0;
}
