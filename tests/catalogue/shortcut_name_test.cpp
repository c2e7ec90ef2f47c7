// Shortcut names: what reads, how it is written back, and why the rest does not read.
#include "catalogue/shortcut_name.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(ShortcutName, ReadsAnyOrderAndCaseAndWritesTheOneWay) {
  const struct {
    const char *text, *canonical;  // or, for a name that does not read, the reason
  } cases[] = {
      {"Ctrl+E", "Ctrl+E"},
      {" shift + ctrl+ALT + win+e ", "Win+Ctrl+Alt+Shift+E"},
      {"Right Alt+Left Ctrl+Delete", "Left Ctrl+Right Alt+Delete"},
      {"Ctrl+Left Ctrl+Right Win+F12", "Right Win+Ctrl+Left Ctrl+F12"},
      {"Ctrl+Num +", "Ctrl+Num +"},
      {"Alt + num +", "Alt+Num +"},
      {"Win+numlock", "Win+NumLock"},
      {"Ctrl+WWW Back", "Ctrl+WWW Back"},
      {"E", "no modifier before the key"},
      {"Ctrl+", "no key after the modifiers"},
      {"Ctrl+Shift", "'Shift' is a modifier, not a key"},
      {"A+E", "'A' is a key, not a modifier"},
      {"Hyper+E", "'Hyper' is not a modifier"},
      {"Ctrl++E", "a '+' without a word before it"},
      {"Ctrl+Bogus", "'Bogus' is not a key name"},
  };
  for (const auto& c : cases) {
    const ParsedShortcut parsed = ParseShortcutName(c.text);
    EXPECT_EQ(parsed.ok ? ShortcutNameOf(parsed) : parsed.reason, c.canonical) << c.text;
    if (!parsed.ok) continue;
    EXPECT_EQ(ParseShortcutName(ShortcutNameOf(parsed)), parsed) << c.text;
  }
  const ParsedShortcut sided = ParseShortcutName("Left Win+Right Shift+Num 5");
  EXPECT_EQ(sided.modifiers, kModLeftWin | kModRightShift);
  EXPECT_EQ(sided.key, 101);
  EXPECT_EQ(ParseShortcutName("Ctrl+NumLock").key, 144);  // the physical key of the list's name
}

}  // namespace
}  // namespace zv
