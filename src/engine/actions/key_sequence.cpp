// Playing a key sequence: its key items back to back, its delays as timers.
#include "engine/actions/key_sequence.h"

#include <cmath>
#include <cstdlib>

#include "catalogue/key_catalogue.h"
#include "catalogue/parameter_forms.h"
#include "common/error.h"
#include "engine/actions/actions.h"

namespace zv {

namespace {

// Digits with one "." among them and at least one digit: "1.5", ".5", "5.".
bool IsDecimalFraction(const std::string& text) {
  int dots = 0, digits = 0;
  for (char c : text) {
    if (c == '.')
      ++dots;
    else if (c >= '0' && c <= '9')
      ++digits;
    else
      return false;
  }
  return dots == 1 && digits > 0;
}

}  // namespace

int DelayMilliseconds(const std::string& text) {
  if (IsDecimalFraction(text)) {
    double ms = std::strtod(text.c_str(), nullptr);
    return ms >= 2147483647.0 ? 2147483647 : static_cast<int>(std::lround(ms));
  }
  int ms = StrToIntStrict(text);
  return ms < 0 ? 0 : ms;
}

int SequenceKeyCode(const std::string& name) {
  int code = -1;
  try {
    code = ResolveKeyCode(name);
  } catch (const Error&) {
    return 0;  // a hand-edited name with digits the catalogue cannot read: not a key either
  }
  return code >= 1 && code <= 255 ? code : 0;
}

// Each item is read when its turn comes; a delay that is not a number stops the sequence there,
// after the items before it have played.
void Actions::ActKeySequence(const std::string& parameter, ActionSteps& steps) {
  for (const std::string& text : SplitSequence(parameter)) {
    SequenceItem item = ReadSequenceItem(text);
    if (item.step == SequenceStep::kDelay) {
      int ms = 0;
      try {
        ms = DelayMilliseconds(item.argument);
      } catch (const Error& e) {
        std::string message = e.what();
        steps.Run([message] { throw Error(message); });
        return;
      }
      steps.Wait(ms);
      continue;
    }
    int code = SequenceKeyCode(item.argument);
    if (code == 0) continue;
    bool down = item.step == SequenceStep::kKeyDown;
    steps.Keys([this, code, down] { devices_.keys.SimulateKey(code, down); });
  }
}

}  // namespace zv
