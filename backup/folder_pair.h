#pragma once

#include <string>
#include <string_view>

namespace backup {

// Only A-Z become a-z; every other byte, in UTF-8 sequences too, stays.
std::string ascii_lower(std::string_view text);

// The pair is refused when either folder is empty or when the source's text,
// case folded, stands anywhere inside the destination's. A plain substring
// test on purpose: it refuses a destination inside the source and equally
// one that merely contains the source's name (/doc with /docs/bk).
bool is_valid_pair(std::string_view from_dir, std::string_view to_dir);

}  // namespace backup
