#include "ui/target_description.h"

#include <vector>

#include "catalogue/key_catalogue.h"
#include "catalogue/parameter_forms.h"
#include "catalogue/tap_hold_form.h"
#include "common/error.h"
#include "ui/parameter_prompter.h"

namespace zv {
namespace {

constexpr const char* kLineBreakSign = "\u23CE";  // ⏎, where the text breaks its line

std::string TypedText(std::string_view form) {
  std::string text;
  for (const char c : form) {
    if (c == '#') {
      text += kLineBreakSign;
    } else {
      text += c;
    }
  }
  return text;
}

// "Esc / Left Ctrl": the tap, then the hold.
// A parameter the engine cannot use leaves the key unmapped: the column says why.
std::string TapHold(std::string_view form) {
  const ParsedTapHold parsed = ParseTapHold(form);
  return parsed.ok ? parsed.form.tap + " / " + parsed.form.hold : "Not used: " + parsed.reason;
}

// A press directly followed by the release of the same key is written as the key alone.
std::string Sequence(std::string_view form) {
  std::vector<SequenceItem> steps;
  for (const std::string& item : SplitSequence(form)) {
    if (!item.empty()) steps.push_back(ReadSequenceItem(item));
  }
  std::string text;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const SequenceItem& step = steps[i];
    if (!text.empty()) text += ", ";
    if (step.step == SequenceStep::kDelay) {
      text += "wait " + step.argument + " ms";
    } else if (step.step == SequenceStep::kKeyDown && i + 1 < steps.size() &&
               steps[i + 1].step == SequenceStep::kKeyUp &&
               steps[i + 1].argument == step.argument) {
      text += step.argument;
      ++i;
    } else {
      text += step.argument + (step.step == SequenceStep::kKeyDown ? " down" : " up");
    }
  }
  return text;
}

}  // namespace

std::string TargetDescription(std::string_view target, std::string_view parameter) {
  if (!IsParameterizedAction(target) || IsEmptyParameter(parameter) || parameter == "None")
    return "";
  try {
    switch (ResolveKeyCode(target)) {
      case kTypeTextCode:
        return TypedText(parameter);
      case kKeyCombinationCode:
        return KeyCombinationText(KeyCombinationOfForm(parameter));
      case kKeySequenceCode:
        return Sequence(parameter);
      case kRunCode:
        return std::string(parameter);
      case kTapHoldCode:
        return TapHold(parameter);
      default:
        return "";
    }
  } catch (const Error&) {
    return "";  // a hand-edited value the actions cannot read either
  }
}

}  // namespace zv
