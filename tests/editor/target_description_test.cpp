// The lists' third column: what a parameterised target does, in the user's words.
#include "ui/target_description.h"

#include <gtest/gtest.h>

#include "catalogue/parameter_forms.h"

namespace zv {
namespace {

std::string Word(unsigned modifiers, int key) {
  return std::to_string(modifiers | static_cast<unsigned>(key));
}

TEST(TargetDescription, SaysWhatTheStoredParameterDoes) {
  const struct {
    std::string target, parameter, does;
  } cases[] = {
      {"TypeText1", "hello#world", "hello\u23CEworld"},
      {"KeyCombination1", Word(kShortcutShift | kShortcutCtrl, 'S'), "Ctrl+Shift+S"},
      {"KeyCombination2", Word(kShortcutShift | kShortcutAlt | kShortcutCtrl, 0x70),
       "Ctrl+Alt+Shift+F1"},
      {"KeySequence1", "KeyDown A,KeyUp A,Delay 500,KeyDown B,KeyUp B,", "A, wait 500 ms, B"},
      {"KeySequence2", "KeyDown Left Shift,KeyDown A,KeyUp A,KeyUp Left Shift,",
       "Left Shift down, A, Left Shift up"},
      {"TapHold1", "Esc|Left Ctrl|200|press", "Esc / Left Ctrl"},
      {"TapHold2", "SpaceBar|Layer Nav|250|release", "SpaceBar / Layer Nav"},
      // Nothing to say: no parameter, a target without one, a value no action can read.
      {"TypeText2", "0", ""},
      {"KeySequence3", "None", ""},
      {"Back", "hello", ""},
      {"KeyCombination3", "12x", ""},
      {"TapHold3", "Esc|Left Ctrl|5|press",
       "Not used: The time must be a whole number of milliseconds from 100 to 1000, not \"5\"."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TargetDescription(c.target, c.parameter), c.does) << c.target << " " << c.parameter;
}

}  // namespace
}  // namespace zv
