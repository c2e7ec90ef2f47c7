#pragma once
// A parameter prompter for native tests: answers each dialog from a script and records what was
// asked ("TypeText 0"). An exhausted script answers " ", as Cancel does.
#include <deque>
#include <string>
#include <vector>

#include "ui/parameter_prompter.h"

namespace zv::testing_dialogs {

class ScriptedPrompter : public ParameterPrompter {
 public:
  std::deque<std::string> answers;
  std::vector<std::string> asked;

  std::string AskTypeText(const std::string& initial) override {
    return Answer("TypeText", initial);
  }
  std::string AskKeyCombination(const std::string& initial) override {
    return Answer("KeyCombination", initial);
  }
  std::string AskKeySequence(const std::string& initial) override {
    return Answer("KeySequence", initial);
  }
  std::string AskRun(const std::string& initial) override { return Answer("Run", initial); }
  // Recorded with the layers offered: "TapHold 0 [Nav]".
  std::string AskTapHold(const std::string& initial,
                         const std::vector<std::string>& layers) override {
    std::string offered = initial;
    for (const std::string& layer : layers) offered += " [" + layer + "]";
    return Answer("TapHold", offered);
  }

 private:
  std::string Answer(const char* dialog, const std::string& initial) {
    asked.push_back(std::string(dialog) + " " + initial);
    if (answers.empty()) return " ";
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace zv::testing_dialogs
