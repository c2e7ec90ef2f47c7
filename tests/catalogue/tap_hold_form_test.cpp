// The TapHold parameter: what reads (and how it is written back), and why the rest does not.
#include "catalogue/tap_hold_form.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(TapHoldForm, ReadsGoodParametersAndWritesThemBack) {
  const struct {
    const char* text;
    const char* written;  // TapHoldText of what was read
    const char* layer;
  } cases[] = {
      {"Esc|Left Ctrl|200|press", "Esc|Left Ctrl|200|press", ""},
      {"SpaceBar|Layer Nav|250|release", "SpaceBar|Layer Nav|250|release", "Nav"},
      // Blanks around fields and inside "Layer  Num Pad" go; leading zeros of the time too.
      {" Volume Up | Layer  Num Pad |0100| time ", "Volume Up|Layer Num Pad|100|time", "Num Pad"},
      {"DisableKey|Right Win|1000|press", "DisableKey|Right Win|1000|press", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const ParsedTapHold parsed = ParseTapHold(c.text);
    ASSERT_TRUE(parsed.ok) << parsed.reason;
    EXPECT_EQ(parsed.form.layer, c.layer);
    EXPECT_EQ(parsed.form.holdIsLayer(), *c.layer != '\0');
    EXPECT_EQ(TapHoldText(parsed.form), c.written);
    EXPECT_EQ(ParseTapHold(TapHoldText(parsed.form)).form, parsed.form);
  }
  EXPECT_EQ(ParseTapHold("A|B|300|release").form.rule, TapHoldForm::Rule::Release);
  EXPECT_EQ(ParseTapHold("A|B|300|release").form.ms, 300);
}

TEST(TapHoldForm, SaysWhyAParameterCannotBeUsed) {
  const struct {
    const char* text;
    const char* reason;
  } cases[] = {
      {"", "The tap key is missing."},
      {"Esc", "The hold key is missing."},
      {"Esc|Left Ctrl| |press", "The time is missing."},
      {"Esc|Left Ctrl|200", "The rule is missing."},
      {"Esc|Left Ctrl|200|press|x", "A tap-hold has four fields (tap|hold|time|rule), not 5."},
      {"Escape|Left Ctrl|200|press", "\"Escape\" is no key or action for the tap."},
      {"TypeText|Left Ctrl|200|press", "\"TypeText\" is no key or action for the tap."},
      {"esc|Left Ctrl|200|press", "\"esc\" is no key or action for the tap."},
      {"Esc|Shutdown|200|press", "\"Shutdown\" is no key or layer for the hold."},
      {"Esc|Layer|200|press", "The layer has no name."},
      {"Esc|Layer   |200|press", "The layer has no name."},
      {"Esc|Layered|200|press", "\"Layered\" is no key or layer for the hold."},
      {"Esc|Left Ctrl|99|press",
       "The time must be a whole number of milliseconds from 100 to 1000, not \"99\"."},
      {"Esc|Left Ctrl|1001|press",
       "The time must be a whole number of milliseconds from 100 to 1000, not \"1001\"."},
      {"Esc|Left Ctrl|2e2|press",
       "The time must be a whole number of milliseconds from 100 to 1000, not \"2e2\"."},
      {"Esc|Left Ctrl|99999999999|press",
       "The time must be a whole number of milliseconds from 100 to 1000, not \"99999999999\"."},
      {"Esc|Left Ctrl|200|Press", "The rule must be press, release or time, not \"Press\"."},
  };
  for (const auto& c : cases) {
    const ParsedTapHold parsed = ParseTapHold(c.text);
    EXPECT_FALSE(parsed.ok) << c.text;
    EXPECT_EQ(parsed.reason, c.reason) << c.text;
  }
}

TEST(TapHoldForm, OfferedNamesReadAndLayersComeFromTheirSections) {
  for (const std::string& name : TapNames()) EXPECT_TRUE(IsTapName(name)) << name;
  for (const std::string& name : HoldKeyNames()) EXPECT_TRUE(IsHoldKeyName(name)) << name;
  EXPECT_GT(TapNames().size(), HoldKeyNames().size());  // the actions
  EXPECT_EQ(LayerNamesOfSections(
                {"SwapKey", "Layer Nav", "layer Sym", "Layer", "Layer ", "TapHold1", "Layers X"}),
            (std::vector<std::string>{"Nav", "Sym"}));
}

}  // namespace
}  // namespace zv
