// The registry routines, over a backend that holds a hierarchy of root, key path and value.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tz/zone_rules.h"

namespace horavia {

enum class RegRoot : std::uint32_t {
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
};

// What a registry store must offer. Values are raw bytes; key paths use backslashes and are
// matched case-insensitively, as the registry does.
class RegistryBackend {
  public:
    virtual ~RegistryBackend() = default;
    // The value's bytes; empty optional when the key or the value does not exist.
    virtual std::optional<std::string> QueryValue(RegRoot root, const std::string& path,
                                                  const std::string& name) = 0;
    // The names of the direct sub-keys in enumeration order; empty optional when the key
    // cannot be opened.
    virtual std::optional<std::vector<std::string>> SubKeys(RegRoot root,
                                                            const std::string& path) = 0;
    // Creates the whole key path as needed and stores the bytes; false when refused.
    virtual bool SetValue(RegRoot root, const std::string& path, const std::string& name,
                          const std::string& bytes) = 0;
    // The timeline of the time-zone key at path, when the store has a zone database behind
    // its yearly records; nothing otherwise (its records are then read as they stand).
    virtual std::shared_ptr<const ZoneRules> ZoneRulesOf(RegRoot /*root*/,
                                                         const std::string& /*path*/) {
        return nullptr;
    }
};

inline constexpr std::size_t kRegValueBufferBytes = 1024;
inline constexpr std::size_t kRegNameBufferChars = 1024;

// True when the value was read and holds at least one byte; text gets all bytes but the last.
// A value longer than 1024 bytes fails. On failure text is left unchanged.
bool RegReadString(RegistryBackend& reg, RegRoot root, const std::string& path,
                   const std::string& name, std::string& text);
// Appends nothing and returns 0 when the key cannot be opened; otherwise replaces names
// with the sub-key names and returns their count. Names of 1024 characters or more end
// the enumeration, as the fixed buffer would.
std::size_t RegEnumSubKeys(RegistryBackend& reg, RegRoot root, const std::string& path,
                           std::vector<std::string>& names);
// Stores text followed by a NUL byte; true when written.
bool RegWriteString(RegistryBackend& reg, RegRoot root, const std::string& path,
                    const std::string& name, const std::string& text);

// An in-memory registry: sub-keys enumerate in case-insensitive name order. Roots listed in
// read-only refuse writes (as HKEY_LOCAL_MACHINE does for a user without rights).
class MemoryRegistry : public RegistryBackend {
  public:
    std::optional<std::string> QueryValue(RegRoot root, const std::string& path,
                                          const std::string& name) override;
    std::optional<std::vector<std::string>> SubKeys(RegRoot root, const std::string& path) override;
    bool SetValue(RegRoot root, const std::string& path, const std::string& name,
                  const std::string& bytes) override;

    void SetReadOnly(RegRoot root, bool readOnly);
    // Creates a key (and its parents) without values.
    void CreateKey(RegRoot root, const std::string& path);

  private:
    struct Key {
        std::string name;
        std::map<std::string, std::string> values;  // keyed by lower-case name
        std::map<std::string, Key> children;        // keyed by lower-case name
    };
    Key* Find(RegRoot root, const std::string& path);
    Key& Make(RegRoot root, const std::string& path);
    std::map<RegRoot, Key> roots_;
    std::map<RegRoot, bool> readOnly_;
};

// Splits a key path at its backslashes, dropping empty parts.
std::vector<std::string> SplitKeyPath(const std::string& path);

}  // namespace horavia
