// The actions that produce keystrokes: clear a field, paste a text, press a combination.
#include "catalogue/key_catalogue.h"
#include "catalogue/parameter_forms.h"
#include "common/error.h"
#include "engine/actions/actions.h"

namespace zv {

namespace {
constexpr int kGenericControl = 17, kA = 65, kBackSpace = 8, kV = 86;
}  // namespace

// Select all, then delete, with the generic Control key.
void Actions::ActCleanText(const std::string&, ActionSteps& steps) {
  steps.Run([this] {
    KeySimulator& k = devices_.keys;
    k.SimulateKey(kGenericControl, true);
    k.SimulateKey(kA, true);
    k.SimulateKey(kA, false);
    k.SimulateKey(kGenericControl, false);
    k.SimulateKey(kBackSpace, true);
    k.SimulateKey(kBackSpace, false);
  });
}

// Pastes rather than types: the text goes on the clipboard, then Left Ctrl+V. The clipboard
// is tried again for a moment when another program holds it; the user's content comes back
// once the paste is over.
void Actions::ActTypeText(const std::string& parameter, ActionSteps& steps) {
  std::string text = TextOfTypeTextForm(parameter);
  steps.Retry([this, text] { return keeper_.LendForText(text); }, ClipboardKeeper::kRetryEveryMs,
              ClipboardKeeper::kOpenPatienceMs, [] { throw Error("Cannot open clipboard"); });
  steps.Run([this] {
    int leftCtrl = KeyCodeOfName("Left Ctrl");
    KeySimulator& k = devices_.keys;
    k.SimulateKey(leftCtrl, true);
    k.SimulateKey(kV, true);
    k.SimulateKey(kV, false);
    k.SimulateKey(leftCtrl, false);
  });
}

// Modifiers go down Shift, Ctrl, Alt and come up in the same order, not the reverse.
void Actions::ActKeyCombination(const std::string& parameter, ActionSteps& steps) {
  steps.Run([this, parameter] {
    std::uint16_t word = ShortcutWordOfText(parameter);
    int key = word & 0x1FFF;
    int modifiers[3];
    int count = 0;
    if (word & kShortcutShift) modifiers[count++] = ResolveKeyCode("Left Shift");
    if (word & kShortcutCtrl) modifiers[count++] = ResolveKeyCode("Left Ctrl");
    if (word & kShortcutAlt) modifiers[count++] = ResolveKeyCode("Left Alt");
    KeySimulator& k = devices_.keys;
    for (int i = 0; i < count; ++i) k.SimulateKey(modifiers[i], true);
    k.SimulateKey(key, true);
    k.SimulateKey(key, false);
    for (int i = 0; i < count; ++i) k.SimulateKey(modifiers[i], false);
  });
}

}  // namespace zv
