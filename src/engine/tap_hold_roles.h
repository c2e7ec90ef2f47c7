#pragma once
// The parameter of a key with two roles ("Esc|Left Ctrl|200|press", read by ParseTapHold) as the
// engine takes it: codes for the tap and the hold, the layer's index. A parameter that cannot
// be read, or a layer the file has no section for, is not valid: the key goes on unmapped.
#include <string>

#include "engine/key_decision.h"
#include "engine/layer_tables.h"

namespace zv {

// tapAction: the action the tap runs, as written ("" when the tap is a key); the caller numbers
// it (TapHoldRoles::tapAction).
TapHoldRoles ReadTapHoldRoles(const std::string& text, const LayerTables& layers,
                              std::string& tapAction);

}  // namespace zv
