#include "sync/nts_aead.h"

#include <openssl/core_names.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <memory>

namespace horavia {

namespace {

struct CipherContextFree {
    void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
struct CipherFree {
    void operator()(EVP_CIPHER* cipher) const { EVP_CIPHER_free(cipher); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

const auto* Bytes(std::string_view s) {
    return reinterpret_cast<const unsigned char*>(s.data());
}
auto* Bytes(std::string& s) {
    return reinterpret_cast<unsigned char*>(s.data());
}

// The library names SIV by the size of one AES key; ours holds two.
CipherContext SivContext(std::string_view key, bool encrypt) {
    if (key.size() != kNtsKeySize) return nullptr;
    const std::unique_ptr<EVP_CIPHER, CipherFree> cipher(
        EVP_CIPHER_fetch(nullptr, "AES-128-SIV", nullptr));
    CipherContext ctx(EVP_CIPHER_CTX_new());
    if (!cipher || !ctx ||
        EVP_CipherInit_ex2(ctx.get(), cipher.get(), Bytes(key), nullptr, encrypt ? 1 : 0,
                           nullptr) != 1) {
        return nullptr;
    }
    return ctx;
}

bool AddAssociated(EVP_CIPHER_CTX* ctx, const std::vector<std::string_view>& associated) {
    for (const std::string_view part : associated) {
        int outLength = 0;
        // Each call is one string of S2V's vector.
        if (EVP_CipherUpdate(ctx, nullptr, &outLength, Bytes(part),
                             static_cast<int>(part.size())) != 1) {
            return false;
        }
    }
    return true;
}

// The plaintext or ciphertext, not empty: the update is where the library computes the IV.
bool Transform(EVP_CIPHER_CTX* ctx, std::string_view in, std::string& out) {
    out.assign(in.size(), '\0');
    unsigned char* to = Bytes(out);
    int outLength = 0;
    if (EVP_CipherUpdate(ctx, to, &outLength, Bytes(in), static_cast<int>(in.size())) != 1 ||
        static_cast<std::size_t>(outLength) != in.size()) {
        return false;
    }
    int finalLength = 0;
    return EVP_CipherFinal_ex(ctx, to, &finalLength) == 1;
}

struct MacFree {
    void operator()(EVP_MAC* mac) const { EVP_MAC_free(mac); }
};
struct MacContextFree {
    void operator()(EVP_MAC_CTX* ctx) const { EVP_MAC_CTX_free(ctx); }
};

// AES-CMAC of text under a 128-bit key.
std::optional<std::string> Cmac(std::string_view key, std::string_view text) {
    const std::unique_ptr<EVP_MAC, MacFree> mac(EVP_MAC_fetch(nullptr, "CMAC", nullptr));
    if (!mac) return std::nullopt;
    const std::unique_ptr<EVP_MAC_CTX, MacContextFree> ctx(EVP_MAC_CTX_new(mac.get()));
    char cipherName[] = "AES-128-CBC";
    const OSSL_PARAM params[] = {
        OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_CIPHER, cipherName, 0),
        OSSL_PARAM_construct_end()};
    std::string out(kSivTagSize, '\0');
    std::size_t length = 0;
    if (!ctx || EVP_MAC_init(ctx.get(), Bytes(key), key.size(), params) != 1 ||
        EVP_MAC_update(ctx.get(), Bytes(text), text.size()) != 1 ||
        EVP_MAC_final(ctx.get(), Bytes(out), &length, out.size()) != 1 || length != kSivTagSize) {
        return std::nullopt;
    }
    return out;
}

// Doubling in GF(2^128), as S2V does.
std::string Doubled(std::string block) {
    const bool carry = (static_cast<unsigned char>(block[0]) & 0x80u) != 0;
    for (std::size_t i = 0; i < block.size(); ++i) {
        const auto next = i + 1 < block.size() ? static_cast<unsigned char>(block[i + 1]) >> 7 : 0;
        block[i] = static_cast<char>((static_cast<unsigned char>(block[i]) << 1) | next);
    }
    if (carry) block.back() = static_cast<char>(block.back() ^ 0x87);
    return block;
}

// The IV of an empty plaintext, which the library's cipher does not compute (it does nothing
// for an update without data): RFC 5297's S2V, whose last string is then the empty one.
std::optional<std::string> EmptyPlaintextIv(std::string_view key,
                                            const std::vector<std::string_view>& associated) {
    const std::string_view macKey = key.substr(0, key.size() / 2);
    auto d = Cmac(macKey, std::string(kSivTagSize, '\0'));
    for (const std::string_view part : associated) {
        const auto mac = Cmac(macKey, part);
        if (!d || !mac) return std::nullopt;
        d = Doubled(*d);
        for (std::size_t i = 0; i < kSivTagSize; ++i)
            (*d)[i] = static_cast<char>((*d)[i] ^ (*mac)[i]);
    }
    if (!d) return std::nullopt;
    std::string last = Doubled(*d);
    last[0] = static_cast<char>(last[0] ^ 0x80);  // the empty string, padded
    return Cmac(macKey, last);
}

}  // namespace

std::optional<std::string> SivSeal(std::string_view key,
                                   const std::vector<std::string_view>& associated,
                                   std::string_view plaintext) {
    if (key.size() != kNtsKeySize) return std::nullopt;
    if (plaintext.empty()) return EmptyPlaintextIv(key, associated);
    const CipherContext ctx = SivContext(key, true);
    std::string ciphertext;
    if (!ctx || !AddAssociated(ctx.get(), associated) ||
        !Transform(ctx.get(), plaintext, ciphertext)) {
        return std::nullopt;
    }
    std::string sealed(kSivTagSize, '\0');
    if (EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_AEAD_GET_TAG, static_cast<int>(kSivTagSize),
                            Bytes(sealed)) != 1) {
        return std::nullopt;
    }
    return sealed + ciphertext;
}

std::optional<std::string> SivOpen(std::string_view key,
                                   const std::vector<std::string_view>& associated,
                                   std::string_view sealed) {
    if (sealed.size() < kSivTagSize || key.size() != kNtsKeySize) return std::nullopt;
    if (sealed.size() == kSivTagSize) {
        const auto iv = EmptyPlaintextIv(key, associated);
        if (!iv || CRYPTO_memcmp(iv->data(), sealed.data(), kSivTagSize) != 0) return std::nullopt;
        return std::string();
    }
    const CipherContext ctx = SivContext(key, false);
    if (!ctx) return std::nullopt;
    std::string tag(sealed.substr(0, kSivTagSize));
    std::string plaintext;
    // The IV goes in first: decryption needs it as the counter's start.
    if (EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_AEAD_SET_TAG, static_cast<int>(kSivTagSize),
                            Bytes(tag)) != 1 ||
        !AddAssociated(ctx.get(), associated) ||
        !Transform(ctx.get(), sealed.substr(kSivTagSize), plaintext)) {
        return std::nullopt;
    }
    return plaintext;
}

}  // namespace horavia
