// The INI parser takes whatever bytes a settings file holds. Parsing, writing the text out and
// parsing it again must give the same sections, keys and values, and writing into the result
// must keep the file readable: what was written reads back and nothing else changes shape.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/ini_document.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Everything a reader can see of a document.
std::string Visible(const zv::IniDocument& doc) {
  std::string seen;
  for (const std::string& section : doc.ReadSections()) {
    seen += "[" + section + "]\n";
    for (const std::string& key : doc.ReadSection(section))
      seen += key + "=" + doc.ReadString(section, key, "\x01") + "\n";
  }
  return seen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  zv::IniDocument doc = zv::IniDocument::Parse(text);
  std::string written = doc.Text();
  zv::IniDocument again = zv::IniDocument::Parse(written);
  Check(again.Text() == written);
  Check(Visible(again) == Visible(doc));

  // A write of a name and value taken from the input itself lands and reads back.
  std::size_t cut = size / 3;
  std::string section = text.substr(0, cut / 2), key = text.substr(cut / 2, cut - cut / 2);
  std::string value = text.substr(cut, 64);
  if (!again.WriteString(section, key, value)) {
    Check(!zv::IniDocument::CanHoldKey(key));
    Check(again.Text() == written);  // a refused write changes nothing
    return 0;
  }
  Check(again.ValueExists(section, key));
  zv::IniDocument reread = zv::IniDocument::Parse(again.Text());
  Check(Visible(reread) == Visible(again));
  Check(reread.ReadString(section, key, "\x01") == again.ReadString(section, key, "\x01"));
  again.DeleteKey(section, key);
  again.EraseSection(section);
  Check(Visible(zv::IniDocument::Parse(again.Text())) == Visible(again));
  return 0;
}
