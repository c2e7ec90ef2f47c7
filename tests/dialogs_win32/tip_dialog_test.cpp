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

// Each control lies inside the client area and apart from the others, and the label has room
// for its text in its own font: nothing of the tip is cut or covered.
void ExpectNothingCut(HWND dialog) {
  const int ids[] = {IDC_TfrmTipWithNoShowAgain_Image1, IDC_TfrmTipWithNoShowAgain_Label1, IDOK,
                     kBox};
  RECT client = {}, rects[4] = {}, overlap = {};
  GetClientRect(dialog, &client);
  for (int i = 0; i < 4; ++i) {
    GetWindowRect(GetDlgItem(dialog, ids[i]), &rects[i]);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rects[i]), 2);
    EXPECT_TRUE(IntersectRect(&overlap, &rects[i], &client) && EqualRect(&overlap, &rects[i]))
        << "control " << ids[i] << " reaches out of the client area";
    for (int j = 0; j < i; ++j)
      EXPECT_FALSE(IntersectRect(&overlap, &rects[i], &rects[j]))
          << "controls " << ids[j] << " and " << ids[i] << " overlap";
  }
  HWND label = GetDlgItem(dialog, IDC_TfrmTipWithNoShowAgain_Label1);
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
  RECT need = {0, 0, rects[1].right - rects[1].left, 0};
  DrawTextA(dc, Text(label).c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  EXPECT_LE(need.bottom, rects[1].bottom - rects[1].top) << "the label cuts its text";
}

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
    RECT outer = {};
    EXPECT_EQ(Text(dialog), "Velmora");
    EXPECT_TRUE(GetWindowLongPtrA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_THICKFRAME);
    // Centred on the desktop's work area, though it has no owner to centre on.
    GetWindowRect(dialog, &outer);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((outer.left + outer.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((outer.top + outer.bottom) - (work.top + work.bottom)), 1);
    ExpectNothingCut(dialog);
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
