// AEAD_AES_SIV_CMAC_256 (RFC 5297), the cipher that authenticates NTS packets: a 256-bit key
// (two AES-128 halves, one for S2V's CMAC, one for CTR), a 16-byte synthetic IV put before the
// ciphertext.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace horavia {

inline constexpr std::size_t kNtsKeySize = 32;
inline constexpr std::size_t kSivTagSize = 16;

// Encrypts plaintext under key; associated holds the associated-data strings in order (RFC
// 5297's vector; for the RFC 5116 interface, the nonce is the last). Returns IV || ciphertext,
// or nothing when the key does not have 32 bytes or the library fails.
std::optional<std::string> SivSeal(std::string_view key,
                                   const std::vector<std::string_view>& associated,
                                   std::string_view plaintext);

// The reverse: the plaintext when sealed (IV || ciphertext) is authentic under key and
// associated, else nothing.
std::optional<std::string> SivOpen(std::string_view key,
                                   const std::vector<std::string_view>& associated,
                                   std::string_view sealed);

}  // namespace horavia
