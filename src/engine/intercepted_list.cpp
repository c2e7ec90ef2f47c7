#include "engine/intercepted_list.h"

#include <string>

#include "common/error.h"
#include "settings/mapping_store.h"

namespace zv {

std::bitset<256> InterceptedCodeSet(const IniDocument& doc) {
  std::bitset<256> codes;
  int count = StrToIntStrict(doc.ReadString("DisableKey", "Index", "0"));
  for (const std::string& key : doc.ReadSection("DisableKey")) {
    int n = KeyCodeNumber(key);
    if (n < 1 || n > count) continue;
    int code = StrToIntStrict(doc.ReadString("DisableKey", key, "0"));
    if (code >= 0 && code < static_cast<int>(codes.size()))
      codes[static_cast<std::size_t>(code)] = true;
  }
  return codes;
}

InterceptedList::InterceptedList(SettingsFile& file, ErrorReporter& errors)
    : file_(file), errors_(errors) {
  listener_ = file_.WatchSnapshot([this] { Rebuild(); });
  Rebuild();
}

InterceptedList::~InterceptedList() {
  file_.UnwatchSnapshot(listener_);
}

void InterceptedList::Rebuild() noexcept {
  try {
    codes_ = InterceptedCodeSet(file_.Snapshot());
    valid_ = true;
    return;
  } catch (const std::exception& e) {
    errors_.PostError(e.what());
  } catch (...) {
  }
  codes_.reset();
  valid_ = false;
}

}  // namespace zv
