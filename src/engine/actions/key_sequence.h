#pragma once
// How the items of a key sequence are read for playing.
#include <string>

namespace zv {

// The milliseconds of a "Delay" item's text. A whole number as it is (a negative one as 0);
// a number with a fraction, as the delay field lets "." through, rounded to the nearest
// millisecond; anything else throws "'%s' is not a valid integer value".
int DelayMilliseconds(const std::string& text);

// The virtual-key code a "KeyDown" or key-up item presses or releases, or 0 when the item
// injects nothing: a name the catalogue does not hold, an empty name, "None", or a name that
// is not a key (an action such as "TypeText", or "DisableKey").
int SequenceKeyCode(const std::string& name);

}  // namespace zv
