#pragma once
// One settings file's text, parsed, in the private-profile (INI) format. Pure: no file access.
//
// What the format promises and this engine keeps:
// - Section and key names match without regard to ASCII letter case; blanks around names and
//   values are ignored. A value in one pair of double or single quotes reads without them.
// - A read gives at most kMaxValueLength characters of a value.
// - Writing an existing key replaces its value where it stands; a new key goes to the end of
//   its section; a new section goes to the end of the text.
// - Deleting a key removes its line; erasing a section removes its header and all its lines.
// - Listings give names in file order. Lines a person added (comments starting with ";", blank
//   lines, lines without "=") stay as they are and are neither found nor listed.
// - Bytes are kept as they are (the system's ANSI code page); lines end in CRLF on output and
//   may end in CRLF, LF or a lone CR on input.
// - A line "=value" holds a key with an empty name: it is read, listed and deleted like any
//   other, but never written (CanHoldKey).
// - The key names ";" and "=" cannot stand in the file as they are (a comment, a separator), so
//   they are stored as "%3B" and "%3D" and listed back as ";" and "=".
// - A value is one line: text from its first line break (or NUL) on is not written, so a value
//   can never add lines of its own to the file. A key name that cannot stand in the file as it
//   is (CanHoldKey) is refused rather than written in a form that reads back otherwise.
// Only the first section of a name counts; sections of the same name after it are kept but
// neither read nor written, as with the system's own functions.
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace zv {

class IniDocument {
 public:
  static constexpr std::size_t kMaxValueLength = 2047;

  static IniDocument Parse(const std::string& text);
  // The whole file text, every line ending in CRLF.
  std::string Text() const;

  bool ValueExists(const std::string& section, const std::string& key) const;
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  // The value as it stands in the file: quotes kept, never cut ("" for a missing key). Written
  // back with WriteString, it reads as the original does.
  std::string ReadRawString(const std::string& section, const std::string& key) const;
  // False, with nothing changed, for a key name the format cannot hold (see CanHoldKey).
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  // Whether a key of this name can be written so that it reads back: not empty after the
  // blanks, no line break, no "=" and no leading ";" or "[" (those would make the line a
  // comment, split it elsewhere or turn it into a section header). ";" and "=" themselves are
  // escaped and so can be held.
  static bool CanHoldKey(const std::string& key);
  // Both return whether anything changed; a missing key or section is no error.
  bool DeleteKey(const std::string& section, const std::string& key);
  bool EraseSection(const std::string& section);
  // Key names of the section in file order (duplicates included); empty for a missing section.
  std::vector<std::string> ReadSection(const std::string& section) const;
  // Names of all sections in file order (duplicates included).
  std::vector<std::string> ReadSections() const;

  bool operator==(const IniDocument& o) const { return Text() == o.Text(); }

 private:
  struct Line {
    std::string text;         // the line as it stands, without its line end
    std::string key;          // the name as stored (trimmed); empty unless isPair
    std::size_t valueAt = 0;  // where the trimmed value starts in text
    bool isPair = false;
  };
  struct Section {
    std::string name;  // trimmed; the lines before the first header have none
    bool hasHeader = false;
    std::string header;                                  // the header line as it stands
    std::vector<Line> lines;                             // the lines up to the next header
    std::unordered_map<std::string, std::size_t> index;  // folded key -> first line
    void Reindex();
  };

  const Section* FindSection(const std::string& section) const;
  Section* FindSection(const std::string& section);
  static const Line* FindLine(const Section& s, const std::string& storedKey);
  static Line ParseLine(std::string raw);
  void ReindexSections();

  std::vector<Section> sections_;  // sections_[0] holds the lines before any header
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded name -> first section
};

}  // namespace zv
