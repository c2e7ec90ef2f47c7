// The tip dialog from its resource, driven with messages, its flags in a real settings file.
#include <windows.h>
// After windows.h.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/win32/win32_files.h"
#include "settings/settings_file.h"
#include "tests/dialogs_win32/dialog_driver.h"
#include "tests/win32/temp_folder.h"
#include "ui/win32/tip_dialog.h"
#include "ui/win32/tip_dialog_res.h"

namespace zv::testing_win32 {
namespace {

constexpr int kBox = IDC_TfrmTipWithNoShowAgain_CBNotShowAgain;

class TipDialog : public testing::Test {
 protected:
  void TearDown() override {
    EXPECT_FALSE(driver.timedOut) << "a dialog stayed open";
    EXPECT_FALSE(driver.stepsLeft()) << "a dialog the script expected never opened";
  }
  int Show(const char* key, const char* text) {
    return win32::ShowTipDialog(nullptr, settings, key, text);
  }
  std::string Flag(const char* key) { return settings.ReadString("ShowDiag", key, "absent"); }

  DialogDriver driver;
  TempFolder folder;
  win32::Win32Files files;
  SettingsFile settings{files, folder.Path("Keydat.qnp")};
};

TEST_F(TipDialog, ShowsItsLookAndOkStoresTheBoxUntilTheTipIsSkipped) {
  driver.Then([](HWND dialog) {
    RECT client = {}, outer = {}, button = {};
    GetClientRect(dialog, &client);
    EXPECT_EQ(Text(dialog), "Velmora");
    EXPECT_TRUE(GetWindowLongPtrA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_THICKFRAME);
    // Centred on the desktop's work area, though it has no owner to centre on.
    GetWindowRect(dialog, &outer);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((outer.left + outer.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((outer.top + outer.bottom) - (work.top + work.bottom)), 1);
    // Nothing is cut or covered: the label ends inside the client area above "OK", the box
    // below "OK" ends inside it too.
    RECT label = {}, box = {};
    GetWindowRect(GetDlgItem(dialog, IDC_TfrmTipWithNoShowAgain_Label1), &label);
    GetWindowRect(GetDlgItem(dialog, IDOK), &button);
    GetWindowRect(GetDlgItem(dialog, kBox), &box);
    for (RECT* r : {&label, &button, &box})
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(r), 2);
    EXPECT_TRUE(label.right <= client.right && label.bottom <= button.top);
    EXPECT_TRUE(button.bottom <= box.top && box.bottom <= client.bottom);
    EXPECT_EQ(ItemText(dialog, IDOK), "OK");
    EXPECT_EQ(ItemText(dialog, kBox), "Don`t show this again.");
    EXPECT_NE(SendDlgItemMessageA(dialog, IDC_TfrmTipWithNoShowAgain_Image1, STM_GETICON, 0, 0), 0);
    EXPECT_EQ(IsDlgButtonChecked(dialog, kBox), BST_UNCHECKED);
    EXPECT_EQ(ItemText(dialog, IDC_TfrmTipWithNoShowAgain_Label1), kChangeSucTipText);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Show(kChangeSucTipKey, kChangeSucTipText), 1);
  EXPECT_EQ(Flag(kChangeSucTipKey), "1");  // OK unticked stores true

  driver.Then([](HWND dialog) {
    Click(dialog, kBox);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Show(kChangeSucTipKey, kChangeSucTipText), 1);
  EXPECT_EQ(Flag(kChangeSucTipKey), "0");

  // Skipped now, answered as OK; the Registry Map's tip still shows under its own key.
  EXPECT_EQ(Show(kChangeSucTipKey, kChangeSucTipText), 1);
  EXPECT_EQ(driver.dialogsCreated, 2);
  std::string regText;
  driver.Then([&](HWND dialog) {
    regText = ItemText(dialog, IDC_TfrmTipWithNoShowAgain_Label1);
    PostMessageA(GetDlgItem(dialog, kBox), WM_KEYDOWN, VK_RETURN, 0);  // Enter is "OK"
  });
  EXPECT_EQ(Show(kRegChangeSucTipKey, kRegChangeSucTipText), 1);
  EXPECT_EQ(regText, kRegChangeSucTipText);
  EXPECT_EQ(Flag(kRegChangeSucTipKey), "1");
}

TEST_F(TipDialog, ClosingAnyOtherWayWritesNothing) {
  driver.Then([](HWND dialog) {
    Click(dialog, kBox);
    SendMessageA(dialog, WM_CLOSE, 0, 0);  // the close box
  });
  driver.Then([](HWND dialog) {
    Click(dialog, kBox);
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);  // Esc
  });
  EXPECT_EQ(Show(kChangeSucTipKey, kChangeSucTipText), 2);
  EXPECT_EQ(Show(kChangeSucTipKey, kChangeSucTipText), 2);
  EXPECT_EQ(Flag(kChangeSucTipKey), "absent");
  EXPECT_FALSE(files.Exists(settings.path()));
}

}  // namespace
}  // namespace zv::testing_win32
