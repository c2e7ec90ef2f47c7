#include "ui/parameter_prompter.h"

namespace zv {

std::string EditParameterOfCode(int code, const std::string& initial, ParameterPrompter& prompter,
                                const std::vector<std::string>& layers) {
  switch (code) {
    case kTypeTextCode:
      return prompter.AskTypeText(initial);
    case kKeyCombinationCode:
      return prompter.AskKeyCombination(initial);
    case kKeySequenceCode:
      return prompter.AskKeySequence(initial);
    case kRunCode:
      return prompter.AskRun(initial);
    case kTapHoldCode:
      return prompter.AskTapHold(initial, layers);
    default:
      return " ";
  }
}

}  // namespace zv
