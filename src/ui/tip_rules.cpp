#include "ui/tip_rules.h"

#include "common/error.h"
#include "settings/settings.h"

namespace zv {

int ShowTip(SettingsFile& settings, TipPrompt& prompt, const std::string& key,
            const std::string& text) {
  if (!ReadTipFlag(settings, key)) return kTipResultOk;
  const TipAnswer answer = prompt.Show(text);
  if (!answer.ok) return kTipResultClosed;
  try {
    WriteTipFlag(settings, key, !answer.dontShowAgain);
  } catch (const Error&) {
    // The tip has done its work; a flag that cannot be stored only means it shows again.
  }
  return kTipResultOk;
}

}  // namespace zv
