// Shortcut names come from people: reading one never crashes, a name that reads is written back
// in a form that reads the same, and one that does not read always says why.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue/shortcut_name.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  zv::ParsedShortcut parsed = zv::ParseShortcutName(text);
  if (parsed.ok ? !(zv::ParseShortcutName(zv::ShortcutNameOf(parsed)) == parsed)
                : parsed.reason.empty())
    std::abort();
  return 0;
}
