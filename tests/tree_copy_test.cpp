#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "backup/tree_copy.h"
#include "platform/filesystem.h"
#include "settings/errors.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::read_file;
using testing_support::TempDir;
using testing_support::write_file;

// Every path below root, relative, sorted.
std::vector<std::string> tree_of(const std::string& root) {
    std::vector<std::string> paths;
    if (!fs::exists(root)) return paths;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        paths.push_back(fs::relative(entry.path(), root).string() + (entry.is_directory() ? "/" : ""));
    std::sort(paths.begin(), paths.end());
    return paths;
}

class TreeCopy : public testing::Test {
protected:
    TempDir dir;
    std::string src = dir / "src";
    std::string dst = dir / "dst/0003";
    int count = 0;
};

TEST_F(TreeCopy, CopiesFilesSkipsDotDirectoriesAndEmptyOnes) {
    write_file(src + "/a.txt", "a");
    write_file(src + "/.profile", "p");
    write_file(src + "/sub/deeper/b.bin", std::string("\0\1\2", 3));
    write_file(src + "/.cache/c", "skipped");
    write_file(src + "/.cache/inner/d", "skipped");
    fs::create_directories(src + "/empty/also-empty");
    backup::copy_sub(src, dst, count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(tree_of(dst), (std::vector<std::string>{".profile", "a.txt", "sub/", "sub/deeper/", "sub/deeper/b.bin"}));
    EXPECT_EQ(read_file(dst + "/sub/deeper/b.bin"), std::string("\0\1\2", 3));
}

TEST_F(TreeCopy, OnlyEmptyDirectoriesCreateNothing) {
    fs::create_directories(src + "/x/y");
    backup::copy_sub(src, dst, count);
    EXPECT_EQ(count, 0);
    EXPECT_FALSE(fs::exists(dir / "dst"));
    backup::copy_sub(dir / "missing", dst, count);
    EXPECT_EQ(count, 0);
}

TEST_F(TreeCopy, SecondRunOverwritesAndKeepsDeletedFiles) {
    write_file(src + "/a", "first");
    write_file(src + "/gone", "old");
    backup::copy_sub(src, dst, count);
    write_file(src + "/a", "second, longer");
    fs::remove(src + "/gone");
    backup::copy_sub(src, dst, count);
    EXPECT_EQ(read_file(dst + "/a"), "second, longer");
    EXPECT_EQ(read_file(dst + "/gone"), "old");
    EXPECT_EQ(count, 3);
}

TEST_F(TreeCopy, FailedCopyKeepsEarlierTargetAndGoesOn) {
    write_file(src + "/locked", "new");
    write_file(src + "/next", "next");
    write_file(dst + "/locked", "earlier");
    fs::permissions(dst + "/locked", fs::perms::owner_read);
    backup::copy_sub(src, dst, count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(read_file(dst + "/locked"), "earlier");
    EXPECT_EQ(read_file(dst + "/next"), "next");
    EXPECT_EQ(tree_of(dst), (std::vector<std::string>{"locked", "next"}));  // no temporary left
}

TEST_F(TreeCopy, SpecialFilesAreCountedNeverOpened) {
    write_file(src + "/a", "a");
    ASSERT_EQ(mkfifo((src + "/pipe").c_str(), 0644), 0);
    backup::copy_sub(src, dst, count);  // would hang here if the FIFO were opened
    EXPECT_EQ(count, 2);
    EXPECT_EQ(tree_of(dst), (std::vector<std::string>{"a"}));
}

TEST_F(TreeCopy, LinkToFileIsCopiedLinkToDirectoryIsNotFollowed) {
    write_file(dir / "outside/file", "content");
    fs::create_directories(src);
    fs::create_symlink(dir / "outside/file", src + "/file-link");
    fs::create_directory_symlink(dir / "outside", src + "/dir-link");
    fs::create_directory_symlink(src, src + "/loop");
    backup::copy_sub(src, dst, count);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(tree_of(dst), (std::vector<std::string>{"file-link"}));
    EXPECT_FALSE(fs::is_symlink(dst + "/file-link"));
    EXPECT_EQ(read_file(dst + "/file-link"), "content");
}

TEST_F(TreeCopy, UnwritableDestinationIsPassedOver) {
    write_file(src + "/a", "a");
    write_file(dir / "dst", "a file where the folder should be");
    backup::copy_sub(src, dst, count);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(read_file(dir / "dst"), "a file where the folder should be");
}

TEST(FileCopy, KeepsPermissionsAndModificationTime) {
    TempDir dir;
    write_file(dir / "a", "data");
    fs::permissions(dir / "a", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read);
    const auto mtime = fs::last_write_time(dir / "a") - std::chrono::hours(48);
    fs::last_write_time(dir / "a", mtime);
    ASSERT_EQ(platform::copy_file(dir / "a", dir / "b"), 0);
    EXPECT_EQ(fs::status(dir / "b").permissions(), fs::status(dir / "a").permissions());
    EXPECT_EQ(fs::last_write_time(dir / "b"), mtime);
    EXPECT_EQ(platform::copy_file(dir / "missing", dir / "c"), ENOENT);
    EXPECT_EQ(platform::copy_file(dir / "a", dir / "b"), EACCES);  // the copy is read-only now
}

TEST(ForceDirectories, CreatesAncestorsByTheRule) {
    TempDir dir;
    EXPECT_TRUE(backup::force_directories(dir / "a/b/c/"));
    EXPECT_TRUE(fs::is_directory(dir / "a/b/c"));
    EXPECT_THROW(backup::force_directories(""), settings::CreateDirectoryError);

    const auto before = fs::current_path();
    fs::current_path(dir.str());
    // A relative path whose first folder is missing: three or more characters
    // fail loudly, one or two are silently not created.
    try {
        backup::force_directories("abc/x");
        ADD_FAILURE() << "no error";
    } catch (const settings::CreateDirectoryError& e) {
        EXPECT_STREQ(e.what(), "ﾃﾞｨﾚｸﾄﾘを作成することができません");
    }
    EXPECT_FALSE(backup::force_directories("ab/x"));
    EXPECT_FALSE(fs::exists("ab"));
    EXPECT_TRUE(backup::force_directories("a/b/new"));  // "a" exists
    EXPECT_TRUE(fs::is_directory("a/b/new"));
    fs::current_path(before);
}

}  // namespace
