#include "backup/folder_pair.h"

namespace backup {

std::string ascii_lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool is_valid_pair(std::string_view from_dir, std::string_view to_dir) {
    return !from_dir.empty() && !to_dir.empty() &&
           ascii_lower(to_dir).find(ascii_lower(from_dir)) == std::string::npos;
}

}  // namespace backup
