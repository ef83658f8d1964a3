#include "backup/sha256_digest.h"

#include <array>
#include <cstdint>

namespace corvanta {

Sha256Digest::Sha256Digest() { sha256_init(&ctx_); }

void Sha256Digest::add(std::string_view bytes) {
    sha256_update(&ctx_, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
}

std::string Sha256Digest::hex() {
    std::array<std::uint8_t, SHA256_DIGEST_SIZE> digest{};
    sha256_digest(&ctx_, digest.size(), digest.data());
    static constexpr std::string_view kHex = "0123456789abcdef";
    std::string out;
    for (const std::uint8_t d : digest) {
        out += kHex[d >> 4];
        out += kHex[d & 15];
    }
    return out;
}

std::string sha256Hex(std::string_view bytes) {
    Sha256Digest digest;
    digest.add(bytes);
    return digest.hex();
}

}  // namespace corvanta
