#pragma once

#include <string>
#include <string_view>

namespace qb {

// Passwords are stored as the MD5 of their bytes in the document code page
// (CP932), written as 32 upper-case hexadecimal digits.
class PasswordDigest {
public:
    static std::string Of(std::string_view utf8Text);
};

}  // namespace qb
