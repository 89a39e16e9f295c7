#include "settings/errors.h"

#include "platform/os_error.h"

namespace settings {

std::string io_error_message(int code) {
    switch (code) {
    case 2: return "ﾌｧｲﾙが見つかりません";
    case 3: return "不正なﾌｧｲﾙ名です";
    case 4: return "ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます";
    case 5: return "ﾌｧｲﾙへのｱｸｾｽが拒否されました";
    case kIoReadPastEnd: return "ﾌｧｲﾙの末尾以降を読み込みました";
    case kIoDiskFull: return "ﾃﾞｨｽｸがいっぱいです";
    case kIoInvalidNumber: return "入力値が数値ではありません";
    default: return "I/O ｴﾗｰ (" + std::to_string(code) + ")";
    }
}

IoError::IoError(int code) : IoError(code, io_error_message(code)) {}

IoError IoError::from_os(int os_error) {
    if (const auto code = platform::io_code_of(os_error)) return IoError(*code);
    // An error with no code of its own keeps the system's number, whatever
    // message that number would have in the table.
    return IoError(os_error, "I/O ｴﾗｰ (" + std::to_string(os_error) + ")");
}

}  // namespace settings
