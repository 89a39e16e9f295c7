#include "backup/tree_copy.h"

#include "platform/filesystem.h"
#include "settings/errors.h"

namespace backup {
namespace {

// Everything up to and including the last "/".
std::string parent_part(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

bool force_directories(std::string path) {
    if (path.empty()) throw settings::CreateDirectoryError();
    if (path.back() == '/') path.pop_back();
    if (path.size() < 3 || platform::directory_exists(path) || parent_part(path) == path) return true;
    return force_directories(parent_part(path)) && platform::create_directory(path) == 0;
}

void copy_sub(const std::string& src, const std::string& dst, int& file_count) {
    bool dst_exists = false;  // looked up again only until it exists
    for (const platform::DirEntry& entry : platform::list_directory(src)) {
        if (entry.is_directory) {
            if (!entry.name.starts_with('.')) copy_sub(src + "/" + entry.name, dst + "/" + entry.name, file_count);
            continue;
        }
        ++file_count;
        if (!dst_exists) {
            if (!platform::directory_exists(dst + "/")) force_directories(dst);
            dst_exists = platform::directory_exists(dst + "/");
        }
        // A file that cannot be copied is passed over: the run goes on with the rest.
        platform::copy_file(src + "/" + entry.name, dst + "/" + entry.name);
    }
}

}  // namespace backup
