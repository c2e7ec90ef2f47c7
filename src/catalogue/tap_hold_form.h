#pragma once
// The parameter of a "TapHold" target: a key with two roles. Four fields joined by "|":
//   tap|hold|ms|rule        e.g. "Esc|Left Ctrl|200|press", "SpaceBar|Layer Nav|250|release"
// tap: a key or a parameterless action of the catalogue; hold: a key or "Layer " and a layer's
// name; ms: how long a press must last to count as a hold (100 to 1000); rule: what else
// decides a hold before that time ("press": another key goes down, "release": another key goes
// down and up, "time": nothing but the time).
#include <string>
#include <string_view>
#include <vector>

namespace zv {

inline constexpr int kTapHoldMinMs = 100;
inline constexpr int kTapHoldMaxMs = 1000;
inline constexpr int kTapHoldDefaultMs = 200;
// A hold target that starts with this names a layer ("Layer Nav").
inline constexpr std::string_view kLayerPrefix = "Layer ";

struct TapHoldForm {
  enum class Rule { Press, Release, Time };

  std::string tap;
  std::string hold;  // as written: a key name or "Layer Nav"
  int ms = kTapHoldDefaultMs;
  Rule rule = Rule::Press;
  std::string layer;  // the layer's name when the hold is a layer, "" for a key

  bool holdIsLayer() const { return !layer.empty(); }
  bool operator==(const TapHoldForm& o) const {
    return tap == o.tap && hold == o.hold && ms == o.ms && rule == o.rule && layer == o.layer;
  }
};

struct ParsedTapHold {
  bool ok = false;
  TapHoldForm form;
  std::string reason;  // why the text cannot be used, in a sentence for the user; "" when ok
};

// Blanks around each field are dropped; names must be spelt as the catalogue spells them.
ParsedTapHold ParseTapHold(std::string_view text);
std::string TapHoldText(const TapHoldForm& form);
// "press", "release", "time".
std::string_view TapHoldRuleWord(TapHoldForm::Rule rule);

// The names a tap may have (keys and parameterless actions) and a hold may have besides layers
// (keys), in the "Changed to" list's order.
bool IsTapName(std::string_view name);
bool IsHoldKeyName(std::string_view name);
std::vector<std::string> TapNames();
std::vector<std::string> HoldKeyNames();

// The layers that sections "[Layer <name>]" define, in section order (the prefix in any letter
// case, as the settings file matches section names).
std::vector<std::string> LayerNamesOfSections(const std::vector<std::string>& sections);

}  // namespace zv
