// Parameter texts come from the settings file, which a person may edit by hand. Reading them
// never crashes, and what the dialogs write reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue/parameter_forms.h"
#include "common/error.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckSequence(const std::string& text) {
  std::string joined = zv::JoinSequence(zv::SplitSequence(text));
  if (text != "None") Check(joined == (!text.empty() && text.back() == ',' ? text : text + ","));
  for (const std::string& item : zv::SplitSequence(text)) zv::ReadSequenceItem(item);
}

void CheckTypeText(const std::string& text) {
  if (text.find_first_of("\r\n") != std::string::npos) return;
  Check(zv::TypeTextForm(zv::TextOfTypeTextForm(text)) == text);
}

void CheckKeyCombination(const std::string& text) {
  try {
    zv::KeyCombination combination = zv::KeyCombinationOfForm(text);
    Check(zv::KeyCombinationOfForm(zv::KeyCombinationForm(combination)) == combination);
  } catch (const zv::Error&) {
    // A text that is not a number is reported to the user; nothing else may escape.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  CheckSequence(text);
  CheckTypeText(text);
  CheckKeyCombination(text);
  zv::RunCommandOfForm(text);
  return 0;
}
