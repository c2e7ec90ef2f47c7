// The TapHold parameter: what reads (and how it is written back), and why the rest does not.
#include "catalogue/tap_hold_form.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(TapHoldForm, ReadsGoodParametersAndWritesThemBackOrSaysWhyNot) {
  const std::string time = "The time must be a whole number of milliseconds from 100 to 1000, not ";
  const struct {
    const char* text;
    std::string result;  // written back (which also says what time and rule were read), or why not
    const char* layer = "";
  } cases[] = {
      {"Esc|Left Ctrl|200|press", "Esc|Left Ctrl|200|press"},
      {"SpaceBar|Layer Nav|250|release", "SpaceBar|Layer Nav|250|release", "Nav"},
      // Blanks around fields and after "Layer" go, and leading zeros; "layer" in any case.
      {" Volume Up | layer  Num Pad |0100| time ", "Volume Up|Layer Num Pad|100|time", "Num Pad"},
      {"DisableKey|Right Win|1000|press", "DisableKey|Right Win|1000|press"},
      {"", "The tap key is missing."},
      {"Esc", "The hold key is missing."},
      {"Esc|Left Ctrl| |press", "The time is missing."},
      {"Esc|Left Ctrl|200", "The rule is missing."},
      {"Esc|Left Ctrl|200|press|x", "A tap-hold has four fields (tap|hold|time|rule), not 5."},
      {"TypeText|Left Ctrl|200|press", "\"TypeText\" is no key or action for the tap."},
      {"esc|Left Ctrl|200|press", "\"esc\" is no key or action for the tap."},
      {"Esc|Shutdown|200|press", "\"Shutdown\" is no key or layer for the hold."},
      {"Esc|Layered|200|press", "\"Layered\" is no key or layer for the hold."},
      {"Esc|Layer|200|press", "The layer has no name."},
      {"Esc|Left Ctrl|99|press", time + "\"99\"."},
      {"Esc|Left Ctrl|1001|press", time + "\"1001\"."},
      {"Esc|Left Ctrl|99999999999|press", time + "\"99999999999\"."},
      {"Esc|Left Ctrl|200|Press", "The rule must be press, release or time, not \"Press\"."},
  };
  for (const auto& c : cases) {
    const ParsedTapHold parsed = ParseTapHold(c.text);
    EXPECT_EQ(parsed.ok ? TapHoldText(parsed.form) : parsed.reason, c.result) << c.text;
    if (!parsed.ok) continue;
    EXPECT_EQ(parsed.form.layer, c.layer) << c.text;
    EXPECT_EQ(parsed.form.holdIsLayer(), *c.layer != '\0') << c.text;
  }
  // The names the dialog offers read, and layers come from their sections.
  for (const std::string& name : TapNames()) EXPECT_TRUE(IsTapName(name)) << name;
  for (const std::string& name : HoldKeyNames()) EXPECT_TRUE(IsHoldKeyName(name)) << name;
  EXPECT_EQ(LayerNamesOfSections({"SwapKey", "Layer Nav", "layer Sym", "Layer", "Layers X"}),
            (std::vector<std::string>{"Nav", "Sym"}));
}

}  // namespace
}  // namespace zv
