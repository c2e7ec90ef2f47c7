#pragma once
// What a parameterised target does, in the words of the lists' third column: the text a
// TypeText types ("hello⏎world"), the keys of a KeyCombination ("Ctrl+Shift+S"), the steps of a
// KeySequence ("A, wait 500 ms, B") and the two roles of a TapHold ("Esc / Left Ctrl"). The
// list shows the stored target (TypeText1), which tells the user nothing about what the key does.
#include <string>
#include <string_view>

namespace zv {

// target: the stored target value (TypeText3); parameter: its stored parameter text. "" for a
// target without a parameter, an empty parameter, or a parameter that cannot be read.
std::string TargetDescription(std::string_view target, std::string_view parameter);

}  // namespace zv
