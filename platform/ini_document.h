// An INI file held in memory as its own lines. A value is found in constant time; changing one
// rewrites only that value's line, so comments, unknown lines, other sections and values typed
// by hand are written back byte for byte. Standard C++ only.
//
// Reading: lines end at LF (a CR before it is dropped); blank lines and lines starting with ';'
// or '#' are comments; "[name]" starts a section; "key=value" sets a key. Section and key names
// match without regard to ASCII letter case, and the last line for a key wins. A value is its
// text after '=' without surrounding white space, unless it is quoted (see DecodeIniValue).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace horavia {

// A stored value as text. Quoted values ("...") keep everything between the quotes and know
// the escapes \\ \" \n \r \t \0; any other backslash stays as it is. Bytes that are not UTF-8
// are read as Latin-1 (every byte one character). Texts are UTF-8.
std::string DecodeIniValue(std::string_view stored);

// The value as written: bare when reading it back bare gives the same text, else quoted with
// escapes (surrounding white space, control characters, quotes, backslashes, ';', '#', or a
// leading '[').
std::string EncodeIniValue(std::string_view text);

// True when the text is well-formed UTF-8.
bool IsUtf8(std::string_view bytes);

class IniDocument {
  public:
    IniDocument();
    explicit IniDocument(std::string_view bytes);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Sets a key, keeping the program's spelling of the names on a rewritten line. A new key
    // goes after the last key of its section (a new section at the end). False, and nothing
    // changed, when a name cannot be written as an INI line.
    bool Set(std::string_view section, std::string_view key, std::string_view text);

    // The file's bytes: exactly the bytes read when nothing was set.
    std::string Serialize() const;

    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    // Every key that a read would find, once each, in file order of their winning lines.
    std::vector<Entry> Entries() const;

    static bool IsValidSection(std::string_view section);
    static bool IsValidKey(std::string_view key);

  private:
    struct Line {
        std::string text;         // without its line end
        std::string_view ending;  // "\n", "\r\n", "\r", or "" for a last line without one
        std::size_t next = 0;     // the following line; 0 ends the file (line 0 is the start)
        std::size_t section = 0;  // key lines: index into sections_
        std::string key;          // key lines: the key as written; empty for other lines
        std::string value;        // key lines: the decoded value
    };

    void AddParsedLine(std::string_view text, std::string_view ending, std::size_t& section);
    std::size_t SectionIndex(std::string_view section);
    std::size_t InsertAfter(std::size_t at, std::string text);
    static std::string IndexKey(std::string_view section, std::string_view key);

    std::vector<Line> lines_;  // line 0: a sentinel before the first line
    std::size_t last_ = 0;     // the last line in file order
    std::string_view newline_ = "\n";
    std::vector<std::string> sections_;  // section names as written
    std::unordered_map<std::string, std::size_t> sectionIndex_;
    std::unordered_map<std::string, std::size_t> keys_;         // IndexKey -> winning line
    std::unordered_map<std::string, std::size_t> sectionEnds_;  // section -> line to add after
    std::unordered_map<std::string, std::string> legacyBytes_;  // text -> stored form
};

}  // namespace horavia
