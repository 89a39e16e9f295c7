#include <gtest/gtest.h>

#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "settings/errors.h"
#include "settings/text_file.h"
#include "support/temp_dir.h"

namespace {

using settings::IoError;
using settings::TextFile;
using testing_support::read_file;
using testing_support::TempDir;
using testing_support::write_file;

int io_code_of(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const IoError& e) {
        return e.code();
    }
    return 0;
}

TEST(TextFile, LinesEndAtCrAndSkipOneLf) {
    TempDir dir;
    write_file(dir / "f", std::string("one\r\ntwo\nstill two\rthree\r\r\nfour"));
    TextFile file(dir / "f", TextFile::Mode::Read);
    EXPECT_EQ(file.read_line(), "one");
    file.read_line_end();
    EXPECT_EQ(file.read_line(), "two\nstill two");
    file.read_line_end();
    EXPECT_EQ(file.read_line(), "three");
    file.read_line_end();
    EXPECT_EQ(file.read_line(), "");  // the lone CR was a line end of its own
    file.read_line_end();
    EXPECT_EQ(file.read_line(), "four");
    file.read_line_end();
    EXPECT_EQ(file.read_line(), "");  // end of text is no error
    file.read_line_end();
    EXPECT_EQ(file.read_integer(), 0);
    file.close();
}

TEST(TextFile, CtrlZEndsReadableText) {
    TempDir dir;
    write_file(dir / "f", std::string("one\r\ntw\x1Ao\r\n3\r\n"));
    TextFile file(dir / "f", TextFile::Mode::Read);
    file.read_line();
    file.read_line_end();
    EXPECT_EQ(file.read_line(), "tw");
    file.read_line_end();
    EXPECT_EQ(file.read_integer(), 0);
}

TEST(TextFile, IntegersSkipBlanksAndTakeAtMost32Bytes) {
    TempDir dir;
    const std::string long_number = std::string(31, '0') + "12";  // 33 bytes: "1" is read, "2" is left
    write_file(dir / "f", "\r\n \t7 days\r\n$1F\r\n" + long_number + "\r\n");
    TextFile file(dir / "f", TextFile::Mode::Read);
    EXPECT_EQ(file.read_integer(), 7);
    file.read_line_end();
    EXPECT_EQ(file.read_integer(), 31);
    EXPECT_EQ(file.read_integer(), 1);
    EXPECT_EQ(file.read_integer(), 2);
}

TEST(TextFile, NonNumberIsIoError106) {
    TempDir dir;
    write_file(dir / "f", "7x\r\n");
    TextFile file(dir / "f", TextFile::Mode::Read);
    try {
        file.read_integer();
        FAIL() << "no error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 106);
        EXPECT_STREQ(e.what(), "入力値が数値ではありません");
    }
}

TEST(TextFile, WritesBytesUnchangedWithCrLf) {
    TempDir dir;
    write_file(dir / "f", "old content that goes");
    TextFile file(dir / "f", TextFile::Mode::Rewrite);
    const std::string long_line(300, 'x');  // crosses the 128-byte buffer
    file.write_line("ﾌｧｲﾙ\nA");
    file.write_line(long_line);
    file.close();
    EXPECT_EQ(read_file(dir / "f"), "ﾌｧｲﾙ\nA\r\n" + long_line + "\r\n");
}

TEST(TextFile, AppendCutsAtFirstCtrlZAmongLast128Bytes) {
    TempDir dir;
    const std::string head(200, 'a');
    struct Case {
        std::string before, after;
    } cases[] = {
        {"line\r\n\x1A\x1Atail", "line\r\nnew\r\n"},
        {"\x1A" + head, "\x1A" + head + "new\r\n"},  // a Ctrl-Z further back stays
        {"", "new\r\n"},
        {"no end", "no endnew\r\n"},
    };
    for (const Case& c : cases) {
        write_file(dir / "log", c.before);
        TextFile file(dir / "log", TextFile::Mode::Append);
        file.write_line("new");
        file.close();
        EXPECT_EQ(read_file(dir / "log"), c.after);
    }
}

TEST(TextFile, OpenErrorsCarryTheirCodeAndMessage) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    EXPECT_EQ(io_code_of([&] { TextFile(dir / "missing", TextFile::Mode::Read); }), 2);
    EXPECT_EQ(io_code_of([&] { TextFile(dir / "missing", TextFile::Mode::Append); }), 2);
    EXPECT_EQ(io_code_of([&] { TextFile(dir / "no/such/folder", TextFile::Mode::Rewrite); }), 3);
    EXPECT_EQ(io_code_of([&] { TextFile(dir / "folder", TextFile::Mode::Rewrite); }), 5);
    EXPECT_EQ(io_code_of([&] { TextFile(dir / "folder", TextFile::Mode::Read); }), 5);
    write_file(dir / "read-only", "kept");
    std::filesystem::permissions(dir / "read-only", std::filesystem::perms::owner_read);
    EXPECT_EQ(io_code_of([&] { TextFile(dir / "read-only", TextFile::Mode::Append); }), 5);
    EXPECT_EQ(io_code_of([&] { TextFile(dir / "read-only", TextFile::Mode::Rewrite); }), 5);
    EXPECT_EQ(read_file(dir / "read-only"), "kept");
}

TEST(TextFile, FileLockedByAnotherInstanceIsCode32) {
    TempDir dir;
    write_file(dir / "log", "kept\r\n");
    const int other = ::open((dir / "log").c_str(), O_RDWR);
    ASSERT_EQ(flock(other, LOCK_EX), 0);
    EXPECT_EQ(io_code_of([&] { TextFile(dir / "log", TextFile::Mode::Append); }), 32);
    EXPECT_EQ(io_code_of([&] { TextFile(dir / "log", TextFile::Mode::Rewrite); }), 32);
    ::close(other);
    EXPECT_EQ(read_file(dir / "log"), "kept\r\n");  // not emptied while locked
}

TEST(IoError, CodesAndMessages) {
    const struct {
        int os_error;
        int code;
        const char* message;
    } rows[] = {
        {ENOENT, 2, "ﾌｧｲﾙが見つかりません"},
        {ENOTDIR, 3, "不正なﾌｧｲﾙ名です"},
        {EMFILE, 4, "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます"},
        {EACCES, 5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
        {EROFS, 5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
        {EISDIR, 5, "ﾌｧｲﾙへのｱｸｾｽが拒否されました"},
        {EWOULDBLOCK, 32, "I/O ｴﾗｰ (32)"},
        {ENOSPC, 112, "I/O ｴﾗｰ (112)"},
        {EIO, EIO, "I/O ｴﾗｰ (5)"},  // an unmapped error keeps its number, not the table's text
        {ENETUNREACH, ENETUNREACH, "I/O ｴﾗｰ (101)"},
    };
    for (const auto& row : rows) {
        const IoError e = IoError::from_os(row.os_error);
        EXPECT_EQ(e.code(), row.code) << row.os_error;
        EXPECT_STREQ(e.what(), row.message) << row.os_error;
    }
    EXPECT_STREQ(IoError(100).what(), "ﾌｧｲﾙの末尾以降を読み込みました");
    EXPECT_STREQ(IoError(101).what(), "ﾃﾞｨｽｸがいっぱいです");
}

}  // namespace
