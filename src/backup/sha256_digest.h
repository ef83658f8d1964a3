#pragma once

#include <nettle/sha2.h>

#include <string>
#include <string_view>

namespace corvanta {

// A SHA-256 taken over bytes given piece by piece, so a file is hashed as it streams past.
class Sha256Digest {
  public:
    Sha256Digest();
    void add(std::string_view bytes);
    // The digest in lowercase hexadecimal; the digest then starts over.
    std::string hex();

  private:
    sha256_ctx ctx_{};
};

// The SHA-256 of the bytes, in lowercase hexadecimal.
std::string sha256Hex(std::string_view bytes);

}  // namespace corvanta
