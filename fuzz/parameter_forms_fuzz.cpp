// Parameter texts and shortcut names come from the settings file, which a person may edit by
// hand. Reading them never crashes, what the program writes reads back unchanged, and a text
// that cannot be read says why.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue/parameter_forms.h"
#include "catalogue/shortcut_name.h"
#include "catalogue/tap_hold_form.h"
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

void CheckTapHold(const std::string& text) {
  zv::ParsedTapHold parsed = zv::ParseTapHold(text);
  Check(parsed.ok ? zv::ParseTapHold(zv::TapHoldText(parsed.form)).form == parsed.form
                  : !parsed.reason.empty());
}

void CheckShortcutName(const std::string& text) {
  zv::ParsedShortcut parsed = zv::ParseShortcutName(text);
  Check(parsed.ok ? zv::ParseShortcutName(zv::ShortcutNameOf(parsed)) == parsed
                  : !parsed.reason.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  CheckSequence(text);
  CheckTypeText(text);
  CheckKeyCombination(text);
  zv::RunCommandOfForm(text);
  CheckTapHold(text);
  CheckShortcutName(text);
  return 0;
}
