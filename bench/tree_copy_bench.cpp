// Times the program's tree copy against `cp -a` on the same generated trees
// and prints the figures. Usage: tree_copy_bench [work-folder]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "backup/tree_copy.h"

namespace fs = std::filesystem;

namespace {

void make_small_tree(const fs::path& root) {
    const std::string content(700, 'x');
    for (int d = 0; d < 200; ++d) {
        const fs::path folder = root / ("d" + std::to_string(d)) / "inner";
        fs::create_directories(folder);
        for (int f = 0; f < 100; ++f) std::ofstream(folder / ("f" + std::to_string(f) + ".txt")) << content << f;
    }
}

void make_large_tree(const fs::path& root) {
    fs::create_directories(root);
    std::string block(1 << 20, '\0');
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 2654435761u >> 24);
    for (int f = 0; f < 4; ++f) {
        std::ofstream out(root / ("large" + std::to_string(f) + ".bin"), std::ios::binary);
        for (int mb = 0; mb < 256; ++mb) out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
}

// Best of three runs, each into a fresh destination.
double best_seconds(const fs::path& dst, const std::function<void()>& copy) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        fs::remove_all(dst);
        std::system("sync");
        const auto start = std::chrono::steady_clock::now();
        copy();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    fs::remove_all(dst);
    return best;
}

void compare(const char* name, const fs::path& src, const fs::path& work) {
    const fs::path dst = work / "dst";
    const double ours = best_seconds(dst, [&] {
        int count = 0;
        backup::copy_sub(src.string(), dst.string(), count);
    });
    const std::string cp = "cp -a '" + src.string() + "' '" + dst.string() + "'";
    const double theirs = best_seconds(dst, [&] {
        if (std::system(cp.c_str()) != 0) std::fprintf(stderr, "cp -a failed\n");
    });
    std::printf("%-22s tree copy %8.3f s   cp -a %8.3f s   ratio %.2f\n", name, ours, theirs, ours / theirs);
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path work = fs::path(argc > 1 ? argv[1] : fs::temp_directory_path()) / "tarvo-bench";
    fs::remove_all(work);
    make_small_tree(work / "small");
    make_large_tree(work / "large");
    compare("20,000 small files", work / "small", work);
    compare("4 files of 256 MiB", work / "large", work);
    fs::remove_all(work);
}
