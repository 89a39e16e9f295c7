#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/datetime.h"
#include "platform/locale.h"

namespace settings {

// Text to integer: blanks before the number, then an optional sign and
// decimal digits within 32 bits, or "$" and hexadecimal digits (any 32-bit
// pattern, two's complement). Nothing may follow. nullopt for any other text.
std::optional<std::int32_t> parse_int(std::string_view text);

// As parse_int, raising ConvertError "'<text>' は整数ではありません".
std::int32_t str_to_int(std::string_view text);

// Text to date in the locale's order and date separator; a two-digit year
// moves into the current century, a missing one is the current year. Raises
// ConvertError "'<text>' は日付ではありません".
platform::DateTime str_to_date(std::string_view text, const platform::LocaleFormats& locale,
                               int current_year);

}  // namespace settings
