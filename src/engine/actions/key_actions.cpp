// The actions that produce keystrokes: clear a field, paste a text, press a combination.
#include <memory>
#include <vector>

#include "catalogue/key_catalogue.h"
#include "catalogue/parameter_forms.h"
#include "common/error.h"
#include "engine/actions/actions.h"

namespace zv {

namespace {
constexpr int kGenericControl = 17, kA = 65, kBackSpace = 8, kV = 86;
}  // namespace

// Select all, then delete, with the generic Control key; one piece, so no typed key gets in.
void Actions::ActCleanText(const std::string&, ActionSteps& steps) {
  steps.Keys([this] {
    devices_.keys.SimulateKeys({{kGenericControl, true},
                                {kA, true},
                                {kA, false},
                                {kGenericControl, false},
                                {kBackSpace, true},
                                {kBackSpace, false}});
  });
}

// Pastes rather than types: the text goes on the clipboard, then Left Ctrl+V. The clipboard
// is tried again for a moment when another program holds it; the user's content comes back
// once the paste is over. The clipboard work runs on the worker (see ClipboardKeeper).
void Actions::ActTypeText(const std::string& parameter, ActionSteps& steps) {
  auto lending = std::make_shared<ClipboardKeeper::Lending>();
  steps.Retry([this, lending,
               text = TextOfTypeTextForm(parameter)] { return keeper_.Lend(text, *lending); },
              ClipboardKeeper::kRetryEveryMs, ClipboardKeeper::kOpenPatienceMs,
              [] { throw Error("Cannot open clipboard"); });
  steps.Run([this, lending] { keeper_.Record(std::move(*lending)); });
  steps.Keys([this] {
    int leftCtrl = KeyCodeOfName("Left Ctrl");
    devices_.keys.SimulateKeys({{leftCtrl, true}, {kV, true}, {kV, false}, {leftCtrl, false}});
  });
}

// Modifiers go down Win, Shift, Ctrl, Alt and come up in the same order, not the reverse. The
// whole combination is injected in one piece, so a typed key cannot land between its events.
void Actions::ActKeyCombination(const std::string& parameter, ActionSteps& steps) {
  steps.Keys([this, parameter] {
    std::uint32_t word = ShortcutWordOfText(parameter);
    int key = word & 0x1FFF;
    std::vector<int> modifiers;
    if (word & kShortcutWin) modifiers.push_back(ResolveKeyCode("Left Win"));
    if (word & kShortcutShift) modifiers.push_back(ResolveKeyCode("Left Shift"));
    if (word & kShortcutCtrl) modifiers.push_back(ResolveKeyCode("Left Ctrl"));
    if (word & kShortcutAlt) modifiers.push_back(ResolveKeyCode("Left Alt"));
    std::vector<SimulatedKey> keys;
    for (int m : modifiers) keys.push_back({m, true});
    keys.push_back({key, true});
    keys.push_back({key, false});
    for (int m : modifiers) keys.push_back({m, false});
    devices_.keys.SimulateKeys(keys);
  });
}

}  // namespace zv
