// The TapHold dialog: picked and typed fields become the parameter, a bad one is refused with
// its reason while the dialog stays open, and a stored parameter comes back into the fields.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/dialogs_win32/dialog_driver.h"
#include "tests/dialogs_win32/live_key_state.h"
#include "ui/win32/parameter_dialogs.h"
#include "ui/win32/parameter_dialogs_res.h"

namespace zv::testing_win32 {
namespace {

constexpr int kMessageBoxText = 0xFFFF;  // the static control that holds a message box's text

struct Fields {
  std::string tap, hold, time;
  bool release = false;
};

Fields FieldsOf(HWND dialog) {
  return {ItemText(dialog, IDC_TfrmTapHold_cbbTap), ItemText(dialog, IDC_TfrmTapHold_cbbHold),
          ItemText(dialog, IDC_TfrmTapHold_edtTime),
          IsDlgButtonChecked(dialog, IDC_TfrmTapHold_rbRelease) == BST_CHECKED};
}

TEST(TapHoldDialog, StoresTheFieldsRefusesABadTimeAndReopensWithTheStoredParameter) {
  DialogDriver driver;
  LiveKeyState keys;
  win32::DialogParameterPrompter prompter{nullptr, keys};
  Fields fresh, reopened;
  std::string refusal;
  driver.Then([&](HWND dialog) {
    fresh = FieldsOf(dialog);
    SetDlgItemTextA(dialog, IDC_TfrmTapHold_cbbTap, "esc");  // typed: spelt as the list has it
    PickComboItem(dialog, IDC_TfrmTapHold_cbbHold, 0);       // the layers come first
    SetDlgItemTextA(dialog, IDC_TfrmTapHold_edtTime, "50");
    Click(dialog, IDC_TfrmTapHold_rbRelease);
    Click(dialog, IDOK);
  });
  driver.Then([&](HWND box) {
    refusal = ItemText(box, kMessageBoxText);
    Click(box, IDOK);
  });
  driver.Then([](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_TfrmTapHold_edtTime, "250");
    Click(dialog, IDOK);
  });
  driver.Then([&](HWND dialog) {
    reopened = FieldsOf(dialog);
    Click(dialog, IDOK);
  });
  const std::string stored = prompter.AskTapHold("0", {"Nav", "Sym"});
  EXPECT_EQ(stored, "Esc|Layer Nav|250|release");
  EXPECT_EQ(refusal,
            "The time must be a whole number of milliseconds from 100 to 1000, not \"50\".");
  EXPECT_EQ(fresh.tap + "|" + fresh.hold + "|" + fresh.time, "||200");
  EXPECT_FALSE(fresh.release);
  // The layer has no section any more: it comes back as typed text.
  EXPECT_EQ(prompter.AskTapHold(stored, {}), stored);
  EXPECT_EQ(reopened.tap + "|" + reopened.hold + "|" + reopened.time, "Esc|Layer Nav|250");
  EXPECT_TRUE(reopened.release);
  EXPECT_FALSE(driver.timedOut);
  EXPECT_EQ(driver.dialogsCreated, 3);  // two TapHold dialogs and the refusal
}

}  // namespace
}  // namespace zv::testing_win32
