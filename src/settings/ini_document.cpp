#include "settings/ini_document.h"

#include "settings/ini_text.h"

namespace zv {
namespace {

// Splits text into lines at CR LF, LF or a lone CR (old Mac files). A last line without a line
// end counts; the empty rest after a final line end does not.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::size_t next = end + 1;
    if (end < text.size() && text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    lines.push_back(text.substr(start, end - start));
    start = next;
  }
  return lines;
}

std::size_t FirstNonBlank(const std::string& line) {
  std::size_t i = 0;
  while (i < line.size() && ini::IsBlank(line[i])) ++i;
  return i;
}

// The section name of a header line ("[name]", the last "]" closing it); false for other lines.
bool HeaderName(const std::string& line, std::string& name) {
  std::size_t open = FirstNonBlank(line);
  if (open >= line.size() || line[open] != '[') return false;
  std::size_t close = line.rfind(']');
  if (close == std::string::npos || close < open) return false;
  name = ini::Trim(line.substr(open + 1, close - open - 1));
  return true;
}

}  // namespace

void IniDocument::Section::Reindex() {
  index.clear();
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].isPair) index.emplace(ini::Fold(lines[i].key), i);  // the first one wins
}

void IniDocument::ReindexSections() {
  sectionIndex_.clear();
  for (std::size_t i = 0; i < sections_.size(); ++i)
    if (sections_[i].hasHeader) sectionIndex_.emplace(ini::Fold(sections_[i].name), i);
}

IniDocument IniDocument::Parse(const std::string& text) {
  IniDocument doc;
  doc.sections_.emplace_back();  // the lines before the first header
  for (std::string& raw : SplitLines(text)) {
    Section header;
    if (HeaderName(raw, header.name)) {
      header.hasHeader = true;
      header.header = std::move(raw);
      doc.sections_.push_back(std::move(header));
      continue;
    }
    doc.sections_.back().lines.push_back(ParseLine(std::move(raw)));
  }
  for (Section& s : doc.sections_) s.Reindex();
  doc.ReindexSections();
  return doc;
}

IniDocument::Line IniDocument::ParseLine(std::string raw) {
  Line line;
  std::size_t start = FirstNonBlank(raw);
  std::size_t equals = raw.find('=');
  // Comments start with ";"; a line without "=" is kept but holds no value. A line "=value"
  // holds a key with an empty name, as the system's own functions read it.
  if (start < raw.size() && raw[start] != ';' && equals != std::string::npos) {
    line.isPair = true;
    line.key = ini::Trim(raw.substr(start, equals - start));
    line.valueAt = equals + 1;
    while (line.valueAt < raw.size() && ini::IsBlank(raw[line.valueAt])) ++line.valueAt;
  }
  line.text = std::move(raw);
  return line;
}

std::string IniDocument::Text() const {
  std::string text;
  for (const Section& s : sections_) {
    if (s.hasHeader) text.append(s.header).append("\r\n");
    for (const Line& line : s.lines) text.append(line.text).append("\r\n");
  }
  return text;
}

const IniDocument::Section* IniDocument::FindSection(const std::string& section) const {
  auto it = sectionIndex_.find(ini::Fold(ini::Trim(ini::OneLine(section))));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniDocument::Section* IniDocument::FindSection(const std::string& section) {
  return const_cast<Section*>(static_cast<const IniDocument*>(this)->FindSection(section));
}

const IniDocument::Line* IniDocument::FindLine(const Section& s, const std::string& storedKey) {
  auto it = s.index.find(ini::Fold(storedKey));
  return it == s.index.end() ? nullptr : &s.lines[it->second];
}

bool IniDocument::ValueExists(const std::string& section, const std::string& key) const {
  const Section* s = FindSection(section);
  return s && FindLine(*s, ini::StoredKeyName(key));
}

std::string IniDocument::ReadString(const std::string& section, const std::string& key,
                                    const std::string& def) const {
  const Section* s = FindSection(section);
  const Line* line = s ? FindLine(*s, ini::StoredKeyName(key)) : nullptr;
  if (!line) return def;
  return ini::ReadableValue(line->text.substr(line->valueAt), kMaxValueLength);
}

std::string IniDocument::ReadRawString(const std::string& section, const std::string& key) const {
  const Section* s = FindSection(section);
  const Line* line = s ? FindLine(*s, ini::StoredKeyName(key)) : nullptr;
  return line ? ini::Trim(line->text.substr(line->valueAt)) : std::string();
}

bool IniDocument::CanHoldKey(const std::string& key) {
  if (key.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) return false;
  std::string stored = ini::StoredKeyName(key);
  return !stored.empty() && stored[0] != ';' && stored[0] != '[' &&
         stored.find('=') == std::string::npos;
}

bool IniDocument::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  if (!CanHoldKey(key)) return false;
  std::string stored = ini::StoredKeyName(key);
  // A read drops the blanks around a value anyway; the file does not keep them.
  std::string text = ini::Trim(ini::OneLine(value));
  Section* s = FindSection(section);
  if (!s) {
    Section added;
    added.name = ini::Trim(ini::OneLine(section));
    added.hasHeader = true;
    added.header = "[" + added.name + "]";
    sections_.push_back(std::move(added));
    sectionIndex_.emplace(ini::Fold(sections_.back().name), sections_.size() - 1);
    s = &sections_.back();
  }
  auto it = s->index.find(ini::Fold(stored));
  if (it != s->index.end()) {
    Line& line = s->lines[it->second];
    line = ParseLine(line.key + "=" + text);  // the name keeps its letter case
    return true;
  }
  // A new key follows the section's last non-blank line, ahead of blank lines before the next
  // section.
  std::size_t at = s->lines.size();
  while (at > 0 && FirstNonBlank(s->lines[at - 1].text) == s->lines[at - 1].text.size()) --at;
  s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at),
                  ParseLine(stored + "=" + text));
  s->Reindex();
  return true;
}

bool IniDocument::DeleteKey(const std::string& section, const std::string& key) {
  Section* s = FindSection(section);
  if (!s) return false;
  auto it = s->index.find(ini::Fold(ini::StoredKeyName(key)));
  if (it == s->index.end()) return false;
  s->lines.erase(s->lines.begin() + static_cast<std::ptrdiff_t>(it->second));
  s->Reindex();
  return true;
}

bool IniDocument::EraseSection(const std::string& section) {
  Section* s = FindSection(section);
  if (!s) return false;
  sections_.erase(sections_.begin() + (s - sections_.data()));
  ReindexSections();
  return true;
}

std::vector<std::string> IniDocument::ReadSection(const std::string& section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section))
    for (const Line& line : s->lines)
      if (line.isPair) keys.push_back(ini::ListedKeyName(line.key));
  return keys;
}

std::vector<std::string> IniDocument::ReadSections() const {
  std::vector<std::string> names;
  for (const Section& s : sections_)
    if (s.hasHeader) names.push_back(s.name);
  return names;
}

}  // namespace zv
