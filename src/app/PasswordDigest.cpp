#include "PasswordDigest.h"

#include <openssl/evp.h>

#include <array>
#include <cstdio>

#include "TextCodec.h"

namespace qb {

std::string PasswordDigest::Of(std::string_view utf8Text) {
    const std::string bytes = TextCodec::Utf8ToCp932Lossy(utf8Text);
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_md5(), nullptr);
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", digest[i]);
        hex += pair;
    }
    return hex;
}

}  // namespace qb
