#include "platform/Locale.h"

#include <langinfo.h>
#include <locale.h>

#include <ctime>

#include "platform/StrftimePatterns.h"
#include "text/DateLocaleBuild.h"
#include "text/StartStamp.h"

namespace kav {
namespace {

// `info` answers one nl_item; the texts it returns are copied at once, as the next call may
// overwrite them.
template <typename InfoReader>
LocaleFacts FactsFrom(InfoReader info) {
  auto text = [&info](nl_item item) {
    const char* value = info(item);
    return std::string(value != nullptr ? value : "");
  };
  LangInfoTexts texts;
  texts.DateFormat = text(D_FMT);
  texts.TimeFormat = text(T_FMT);
  texts.TimeFormatAmPm = text(T_FMT_AMPM);
  texts.Am = text(AM_STR);
  texts.Pm = text(PM_STR);
  LocaleFacts facts;
  facts.Date = BuildDateLocale(DateFactsFromStrftime(texts));
  std::string thousands = text(THOUSEP);
  if (!thousands.empty()) facts.ThousandsSeparator = thousands;
  return facts;
}

}  // namespace

LocaleFacts ReadProcessLocale() {
  return FactsFrom([](nl_item item) { return ::nl_langinfo(item); });
}

std::optional<LocaleFacts> ReadNamedLocale(const std::string& name) {
  locale_t handle = ::newlocale(LC_ALL_MASK, name.c_str(), static_cast<locale_t>(nullptr));
  if (handle == static_cast<locale_t>(nullptr)) return std::nullopt;
  LocaleFacts facts = FactsFrom([handle](nl_item item) { return ::nl_langinfo_l(item, handle); });
  ::freelocale(handle);
  return facts;
}

std::string StartStampNow(const DateLocale& locale) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  StampParts parts;
  if (::localtime_r(&now, &local) != nullptr) {
    parts.Day = static_cast<unsigned>(local.tm_mday);
    parts.Month = static_cast<unsigned>(local.tm_mon + 1);
    parts.Year = static_cast<unsigned>(local.tm_year + 1900);
    parts.Hour = static_cast<unsigned>(local.tm_hour);
    parts.Minute = static_cast<unsigned>(local.tm_min);
    parts.Second = static_cast<unsigned>(local.tm_sec);
  }
  return StartStampText(parts, locale);
}

}  // namespace kav
