// Fuzzes the settings file's reader and writer. The input names a section, a key and a value
// (three length bytes, then the three texts) followed by any file. Checked:
// - a file read and written unchanged keeps every byte;
// - saving one key changes that key and no other, as the file is read back;
// - every UTF-8 text written as a value reads back as itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "model/text_helpers.h"
#include "platform/ini_document.h"

namespace {

using horavia::IniDocument;

std::map<std::string, std::string> Values(const IniDocument& doc) {
    std::map<std::string, std::string> values;
    for (const auto& e : doc.Entries()) {
        const std::string id = horavia::ToLowerAscii(e.section + '\n' + e.key);
        if (!values.emplace(id, e.value).second) std::abort();  // one entry per key
        if (doc.Get(e.section, e.key) != e.value) std::abort();
    }
    return values;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.size() < 3) return 0;
    const std::size_t lengths[3] = {static_cast<unsigned char>(input[0]) % 16u,
                                    static_cast<unsigned char>(input[1]) % 16u,
                                    static_cast<unsigned char>(input[2]) % 64u};
    input.remove_prefix(3);
    std::string_view texts[3];
    for (int i = 0; i < 3; ++i) {
        texts[i] = input.substr(0, lengths[i]);
        input.remove_prefix(texts[i].size());
    }
    const auto [section, key, value] = texts;

    IniDocument doc(input);
    Check(doc.Serialize() == input);
    const std::map<std::string, std::string> before = Values(doc);

    if (horavia::IsUtf8(value)) {
        Check(horavia::DecodeIniValue(horavia::EncodeIniValue(value)) == value);
    }
    if (!doc.Set(section, key, value)) {
        Check(doc.Serialize() == input);
        return 0;
    }
    const std::string written = doc.Serialize();
    const IniDocument reread(written);
    std::map<std::string, std::string> after = Values(reread);
    const std::string id = horavia::ToLowerAscii(std::string(section) + '\n' + std::string(key));
    const auto it = after.find(id);
    Check(it != after.end());
    // The value as text: bytes that are not UTF-8 read back as Latin-1.
    Check(it->second == horavia::DecodeIniValue(horavia::EncodeIniValue(value)));
    after.erase(it);
    std::map<std::string, std::string> others = before;
    others.erase(id);
    Check(after == others);
    return 0;
}
