#pragma once

#include <cstdint>
#include <string>

namespace qb {

// The error of a file object's last operation: a code and a message. Code 0
// means success; kOwnError is the program's own error (with a message),
// kXmlError a content error of an XML document; any other code is a system
// error number (see SystemError), 32 meaning another process holds the file.
class ErrorSlot {
public:
    static constexpr std::uint32_t kNone = 0;
    static constexpr std::uint32_t kOwnError = 0x20010000;
    static constexpr std::uint32_t kXmlError = 0x20010001;
    // What the user reads when another process holds the file.
    static constexpr const char* kLockedMessage =
        "他のプロセスによりファイルがロックされているため、失敗しました。\n"
        "別のユーザーが同じファイルを「シングルモード」で開いている可能性があります。";

    void Clear() {
        code_ = kNone;
        message_.clear();
    }
    void Set(std::uint32_t code, std::string message = {}) {
        code_ = code;
        message_ = std::move(message);
    }
    bool Failed() const { return code_ != kNone; }
    std::uint32_t GetCode() const { return code_; }
    const std::string& GetMessage() const { return message_; }
    // The text to show for the last failure: the message when there is one,
    // else the system's description of the code followed by the code.
    std::string Describe() const;

private:
    std::uint32_t code_ = kNone;
    std::string message_;
};

}  // namespace qb
