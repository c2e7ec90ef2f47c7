#pragma once
// The tip with its "Don`t show this again." box (TfrmTipWithNoShowAgain): each tip has a key,
// and the settings file's "ShowDiag" section remembers per key whether to show it again.
#include <string>

#include "settings/settings_file.h"

namespace zv {

// The editor's success tips: one for each page, since only the Keyboard Map waits for the
// Activate button; Windows applies its own key map when it starts.
inline constexpr const char* kChangeSucTipKey = "ChangeSuc";
inline constexpr const char* kChangeSucTipText =
    "  Change successfully!The change can be applied after\r\nclicking the Activate button.";
inline constexpr const char* kRegChangeSucTipKey = "RegChangeSuc";
inline constexpr const char* kRegChangeSucTipText =
    "  Change successfully!The change will be applied after\r\nWindows restarts.";

// The modal results the caller gets: OK (also when the tip was not shown) and closed otherwise.
inline constexpr int kTipResultOk = 1;
inline constexpr int kTipResultClosed = 2;

// How the user answered a shown tip.
struct TipAnswer {
  bool ok = false;             // "OK" pressed; false when closed any other way
  bool dontShowAgain = false;  // the box was ticked when "OK" was pressed
};

// Stands for the dialog, so the rules can be answered by a script in tests.
class TipPrompt {
 public:
  virtual ~TipPrompt() = default;
  virtual TipAnswer Show(const std::string& text) = 0;
};

// ShowTipDialog's rule: shown unless the key's flag reads false; "OK" writes the flag as "not
// ticked" (also true when unticked) and gives kTipResultOk; closing otherwise writes nothing and
// gives kTipResultClosed. A flag that cannot be written is not reported.
int ShowTip(SettingsFile& settings, TipPrompt& prompt, const std::string& key,
            const std::string& text);

}  // namespace zv
