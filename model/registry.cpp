#include "model/registry.h"

#include <algorithm>
#include <cctype>

#include "model/text_helpers.h"

namespace horavia {
std::vector<std::string> SplitKeyPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

bool RegReadString(RegistryBackend& reg, RegRoot root, const std::string& path,
                   const std::string& name, std::string& text) {
    const auto bytes = reg.QueryValue(root, path, name);
    if (!bytes || bytes->empty() || bytes->size() > kRegValueBufferBytes) return false;
    text = bytes->substr(0, bytes->size() - 1);
    return true;
}

std::size_t RegEnumSubKeys(RegistryBackend& reg, RegRoot root, const std::string& path,
                           std::vector<std::string>& names) {
    const auto keys = reg.SubKeys(root, path);
    if (!keys) return 0;
    std::vector<std::string> found;
    for (const auto& key : *keys) {
        if (key.size() >= kRegNameBufferChars) break;  // the name buffer would overflow
        found.push_back(key);
    }
    if (found.empty()) return 0;
    names = std::move(found);
    return names.size();
}

bool RegWriteString(RegistryBackend& reg, RegRoot root, const std::string& path,
                    const std::string& name, const std::string& text) {
    std::string bytes = text;
    bytes.push_back('\0');
    return reg.SetValue(root, path, name, bytes);
}

MemoryRegistry::Key* MemoryRegistry::Find(RegRoot root, const std::string& path) {
    auto it = roots_.find(root);
    if (it == roots_.end()) return nullptr;
    Key* key = &it->second;
    for (const auto& part : SplitKeyPath(path)) {
        auto child = key->children.find(ToLowerAscii(part));
        if (child == key->children.end()) return nullptr;
        key = &child->second;
    }
    return key;
}

MemoryRegistry::Key& MemoryRegistry::Make(RegRoot root, const std::string& path) {
    Key* key = &roots_[root];
    for (const auto& part : SplitKeyPath(path)) {
        Key& child = key->children[ToLowerAscii(part)];
        if (child.name.empty()) child.name = part;
        key = &child;
    }
    return *key;
}

std::optional<std::string> MemoryRegistry::QueryValue(RegRoot root, const std::string& path,
                                                      const std::string& name) {
    Key* key = Find(root, path);
    if (!key) return std::nullopt;
    auto it = key->values.find(ToLowerAscii(name));
    if (it == key->values.end()) return std::nullopt;
    return it->second;
}

std::optional<std::vector<std::string>> MemoryRegistry::SubKeys(RegRoot root,
                                                                const std::string& path) {
    Key* key = Find(root, path);
    if (!key) return std::nullopt;
    std::vector<std::string> names;
    for (const auto& [lower, child] : key->children) names.push_back(child.name);
    return names;
}

bool MemoryRegistry::SetValue(RegRoot root, const std::string& path, const std::string& name,
                              const std::string& bytes) {
    if (readOnly_[root]) return false;
    Make(root, path).values[ToLowerAscii(name)] = bytes;
    return true;
}

void MemoryRegistry::SetReadOnly(RegRoot root, bool readOnly) {
    readOnly_[root] = readOnly;
}

void MemoryRegistry::CreateKey(RegRoot root, const std::string& path) {
    Make(root, path);
}

}  // namespace horavia
