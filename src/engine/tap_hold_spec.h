#pragma once
// The parameter of a key with two roles, "tap|hold|ms|rule" ("Esc|Left Ctrl|200|press",
// "SpaceBar|Layer Nav|250|release"), as the engine takes it: the tap a key or a parameterless
// action, the hold a key or "Layer <name>" of a layer the file has, 100 to 1000 ms, and "press",
// "release" or "time". Anything else is not valid, and the key goes on unmapped.
#include <string>

#include "engine/key_decision.h"
#include "engine/layer_tables.h"

namespace zv {

// tapName: the tap's target as written, for an action to run.
TapHoldSpec ParseTapHoldSpec(const std::string& text, const LayerTables& layers,
                             std::string* tapName = nullptr);

}  // namespace zv
