#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "compare/CompareRecords.h"
#include "text/LocaleFacts.h"

namespace kav {

// A name longer than `width` becomes its first 19 characters + "..." + its last 3; a name of
// at most `width` characters is returned unchanged. A UTF-8 sequence counts as one character.
std::string ShortenName(std::string_view name, std::size_t width);

// The date-and-time text of a stamp, or an empty text for a stamp of 0 (never opened).
std::string StampText(uint32_t stamp, const DateLocale& locale);

// The file rows of the grouped summary. `withDates` adds the date-and-time texts (Itdt).
// A full-layout row: a pair, an inserted or a deleted name, after the record's flags.
std::string FullLayoutRow(const FileResult& result, std::string_view name, bool withDates,
                          const DateLocale& locale);
// A named-pairs row; the Old name column is left out for type 3 (`likeNames`).
std::string NamedPairRow(const FileResult& result, std::string_view newName,
                         std::string_view oldName, bool likeNames, bool withDates,
                         const DateLocale& locale);

}  // namespace kav
