#include "engine/intercepted_list.h"

#include <string>

#include "common/error.h"

namespace zv {

bool InterceptedList::Contains(std::uint32_t vkCode) {
  std::uint64_t version = file_.SnapshotVersion();
  if (!valid_ || version != version_) {
    valid_ = false;
    Rebuild();
    version_ = version;
    valid_ = true;
  }
  return vkCode < codes_.size() && codes_[vkCode];
}

void InterceptedList::Rebuild() {
  const IniDocument& doc = file_.Snapshot();
  std::bitset<256> codes;
  int count = StrToIntStrict(doc.ReadString("DisableKey", "Index", "0"));
  for (int i = 1; i <= count; ++i) {
    int code = StrToIntStrict(doc.ReadString("DisableKey", "KeyCode" + std::to_string(i), "0"));
    if (code >= 0 && code < static_cast<int>(codes.size()))
      codes[static_cast<std::size_t>(code)] = true;
  }
  codes_ = codes;
}

}  // namespace zv
