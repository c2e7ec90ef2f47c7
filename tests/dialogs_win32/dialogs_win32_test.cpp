// The type-text, key-combination, run, tap-hold and delay dialogs, and the look every dialog takes
// from its resource.
#include <windows.h>
// After windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "common/error.h"
#include "tests/dialogs_win32/dialog_driver.h"
#include "tests/dialogs_win32/live_key_state.h"
#include "ui/win32/parameter_dialogs.h"
#include "ui/win32/parameter_dialogs_res.h"
#include "ui/win32/set_delay_time_dialog.h"

namespace zv::testing_win32 {
namespace {

class ParameterDialogs : public testing::Test {
 protected:
  void TearDown() override {
    EXPECT_FALSE(driver.timedOut) << "a dialog stayed open";
    EXPECT_FALSE(driver.stepsLeft()) << "a dialog the script expected never opened";
  }
  DialogDriver driver;
  LiveKeyState keys;
  win32::DialogParameterPrompter prompter{nullptr, keys};
};

TEST_F(ParameterDialogs, TypeTextLinesBecomeOneLine) {
  driver.Then([](HWND dialog) {
    EXPECT_EQ(ItemText(dialog, IDC_TfrmPasteText_Memo1), "");
    SetDlgItemTextA(dialog, IDC_TfrmPasteText_Memo1, "Hello\r\nWorld");
    Click(dialog, IDOK);
  });
  EXPECT_EQ(prompter.AskTypeText("0"), "Hello#World");
}

TEST_F(ParameterDialogs, TypeTextReopensWithItsLines) {
  std::string shown;
  DWORD selStart = 1, selEnd = 1;
  bool memoFocused = false;
  driver.Then([&](HWND dialog) {
    HWND memo = GetDlgItem(dialog, IDC_TfrmPasteText_Memo1);
    shown = Text(memo);
    // The stored text is not selected, so typing does not replace it.
    SendMessageA(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                 reinterpret_cast<LPARAM>(&selEnd));
    memoFocused = GetFocus() == memo;
    Click(dialog, IDOK);
  });
  EXPECT_EQ(prompter.AskTypeText("Hello#World"), "Hello#World");
  EXPECT_EQ(shown, "Hello\r\nWorld");
  EXPECT_TRUE(memoFocused);
  EXPECT_EQ(selStart, 0u);
  EXPECT_EQ(selEnd, 0u);
}

TEST_F(ParameterDialogs, TypeTextTypedHashComesBackAsALineBreak) {
  std::string shown;
  driver.Then([](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_TfrmPasteText_Memo1, "a#b");
    Click(dialog, IDOK);
  });
  driver.Then([&](HWND dialog) {
    shown = ItemText(dialog, IDC_TfrmPasteText_Memo1);
    Click(dialog, IDCANCEL);
  });
  const std::string stored = prompter.AskTypeText("0");
  EXPECT_EQ(stored, "a#b");
  EXPECT_EQ(prompter.AskTypeText(stored), " ");
  EXPECT_EQ(shown, "a\r\nb");
}

TEST_F(ParameterDialogs, TypeTextEmptyCancelAndCloseBoxGiveNothing) {
  std::string shownForZero = "?";
  driver.Then([&](HWND dialog) {
    shownForZero = ItemText(dialog, IDC_TfrmPasteText_Memo1);
    Click(dialog, IDOK);
  });
  driver.Then([](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_TfrmPasteText_Memo1, "typed");
    Click(dialog, IDCANCEL);
  });
  driver.Then([](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_TfrmPasteText_Memo1, "typed");
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_EQ(prompter.AskTypeText("0"), " ");
  EXPECT_EQ(shownForZero, "");
  EXPECT_EQ(prompter.AskTypeText("old"), " ");
  EXPECT_EQ(prompter.AskTypeText("old"), " ");
}

TEST_F(ParameterDialogs, KeyCombinationStoresTheShortcutWord) {
  driver.Then([](HWND dialog) {
    HWND field = GetDlgItem(dialog, IDC_TfrmHotkey_HotKey1);
    EXPECT_EQ(SendMessageA(field, HKM_GETHOTKEY, 0, 0), 0);
    SendMessageA(field, HKM_SETHOTKEY, MAKEWORD('S', HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(prompter.AskKeyCombination("0"), "24659");
}

TEST_F(ParameterDialogs, KeyCombinationReopensWithItsKeys) {
  LRESULT shown = -1;
  driver.Then([&](HWND dialog) {
    shown = SendMessageA(GetDlgItem(dialog, IDC_TfrmHotkey_HotKey1), HKM_GETHOTKEY, 0, 0);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(prompter.AskKeyCombination("24659"), "24659");
  EXPECT_EQ(shown, MAKEWORD('S', HOTKEYF_CONTROL | HOTKEYF_SHIFT));
}

TEST_F(ParameterDialogs, KeyCombinationEmptyFieldIsZeroAndCancelIsNothing) {
  driver.Then([](HWND dialog) { Click(dialog, IDOK); });
  driver.Then([](HWND dialog) {
    SendMessageA(GetDlgItem(dialog, IDC_TfrmHotkey_HotKey1), HKM_SETHOTKEY, 'A', 0);
    Click(dialog, IDCANCEL);
  });
  driver.Then([](HWND dialog) { SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); });
  EXPECT_EQ(prompter.AskKeyCombination("0"), "0");
  EXPECT_EQ(prompter.AskKeyCombination("0"), " ");
  EXPECT_EQ(prompter.AskKeyCombination("65"), " ");
}

TEST_F(ParameterDialogs, KeyCombinationDropsTheExtendedFlagAndForcesNoModifier) {
  driver.Then([](HWND dialog) {
    HWND field = GetDlgItem(dialog, IDC_TfrmHotkey_HotKey1);
    SendMessageA(field, HKM_SETHOTKEY, MAKEWORD(VK_INSERT, HOTKEYF_ALT | HOTKEYF_EXT), 0);
    Click(dialog, IDOK);
  });
  driver.Then([](HWND dialog) {
    // A bare key typed into the field stays bare.
    HWND field = GetDlgItem(dialog, IDC_TfrmHotkey_HotKey1);
    SetFocus(field);
    PressKey(field, 'Q');
    Click(dialog, IDOK);
  });
  EXPECT_EQ(prompter.AskKeyCombination("0"), std::to_string(VK_INSERT + 0x8000));
  EXPECT_EQ(prompter.AskKeyCombination("0"), "81");
}

TEST_F(ParameterDialogs, KeyCombinationTakesWinFromItsBoxAndSpellsTheCombinationOut) {
  std::string shown, changed;
  driver.Then([&](HWND dialog) {
    shown = ItemText(dialog, IDC_TfrmHotkey_Label2);
    HWND field = GetDlgItem(dialog, IDC_TfrmHotkey_HotKey1);
    SendMessageA(field, HKM_SETHOTKEY, MAKEWORD('S', HOTKEYF_CONTROL), 0);
    Click(dialog, IDC_TfrmHotkey_chkWin);  // Win off
    changed = ItemText(dialog, IDC_TfrmHotkey_Label2);
    Click(dialog, IDOK);
  });
  driver.Then([](HWND dialog) {
    Click(dialog, IDC_TfrmHotkey_chkWin);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(prompter.AskKeyCombination("65605"), "16467");  // Win+E became Ctrl+S
  EXPECT_EQ(shown, "Win+E");
  EXPECT_EQ(changed, "Ctrl+S");
  EXPECT_EQ(prompter.AskKeyCombination("69"), "65605");  // E became Win+E
}

TEST_F(ParameterDialogs, RunTakesTheTextOrTheQuotedPathOfAPickedFile) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string shown;
  driver.Then([&](HWND dialog) {
    shown = ItemText(dialog, IDC_TfrmRun_Edit1);
    Click(dialog, IDC_TfrmRun_btnBrowse);  // the open dialog's step below answers it
    Click(dialog, IDOK);
  });
  driver.Then([&](HWND open) {
    for (int field : {0x47C, 0x480}) SetDlgItemTextA(open, field, self);  // combo or edit
    Click(open, IDOK);
  });
  driver.Then([](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_TfrmRun_Edit1, "   ");
    Click(dialog, IDOK);
  });
  EXPECT_EQ(prompter.AskRun("notepad.exe"), "\"" + std::string(self) + "\"");
  EXPECT_EQ(shown, "notepad.exe");
  EXPECT_EQ(prompter.AskRun("0"), " ");  // nothing but blanks is no parameter
}

// "tap|hold|time|" and "release" when that rule is chosen.
std::string TapHoldFields(HWND dialog) {
  return ItemText(dialog, IDC_TfrmTapHold_cbbTap) + "|" +
         ItemText(dialog, IDC_TfrmTapHold_cbbHold) + "|" +
         ItemText(dialog, IDC_TfrmTapHold_edtTime) + "|" +
         (IsDlgButtonChecked(dialog, IDC_TfrmTapHold_rbRelease) ? "release" : "");
}

TEST_F(ParameterDialogs, TapHoldStoresTheFieldsRefusesABadTimeAndReopensWithTheParameter) {
  std::string fresh, refusal, reopened;
  driver.Then([&](HWND dialog) {
    fresh = TapHoldFields(dialog);
    SetDlgItemTextA(dialog, IDC_TfrmTapHold_cbbTap, "esc");  // typed: spelt as the list has it
    PickComboItem(dialog, IDC_TfrmTapHold_cbbHold, 0);       // the layers come first
    SetDlgItemTextA(dialog, IDC_TfrmTapHold_edtTime, "50");
    Click(dialog, IDC_TfrmTapHold_rbRelease);
    Click(dialog, IDOK);
  });
  driver.Then([&](HWND box) {
    refusal = ItemText(box, 0xFFFF);  // the message box's text; the dialog stays open
    Click(box, IDOK);
  });
  driver.Then([](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_TfrmTapHold_edtTime, "250");
    Click(dialog, IDOK);
  });
  driver.Then([&](HWND dialog) {
    reopened = TapHoldFields(dialog);
    Click(dialog, IDOK);
  });
  const std::string stored = prompter.AskTapHold("0", {"Nav", "Sym"});
  EXPECT_EQ(stored, "Esc|Layer Nav|250|release");
  EXPECT_EQ(fresh, "||200|");
  EXPECT_EQ(refusal,
            "The time must be a whole number of milliseconds from 100 to 1000, not \"50\".");
  // The layer has no section any more: it comes back as typed text.
  EXPECT_EQ(prompter.AskTapHold(stored, {}), stored);
  EXPECT_EQ(reopened, stored);
  EXPECT_EQ(driver.dialogsCreated, 3);
}

TEST_F(ParameterDialogs, KeyCombinationRefusesAStoredValueThatIsNoNumber) {
  try {
    prompter.AskKeyCombination("Ctrl+S");
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "'Ctrl+S' is not a valid integer value");
  }
  EXPECT_EQ(driver.dialogsCreated, 0);
}

TEST_F(ParameterDialogs, EditParameterOpensTheDialogOfTheCode) {
  std::vector<std::string> captions;
  for (int i = 0; i < 5; ++i) {
    driver.Then([&](HWND dialog) {
      captions.push_back(Text(dialog));
      Click(dialog, IDCANCEL);
    });
  }
  for (int code : {601, 602, 603, 604, 605})
    EXPECT_EQ(win32::EditParameter(nullptr, keys, code, "0"), " ");
  EXPECT_EQ(win32::EditParameter(nullptr, keys, 65, "0"), " ");
  EXPECT_EQ(captions, (std::vector<std::string>{"Enter simple text", "Key Combination",
                                                "Key Sequence", "Run", "TapHold"}));
}

TEST_F(ParameterDialogs, DialogIsCentredOnItsOwner) {
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 100, 80, 600, 500,
                               nullptr, nullptr, nullptr, nullptr);
  RECT rect = {};
  HWND ownerSeen = nullptr;
  driver.Then([&](HWND dialog) {
    GetWindowRect(dialog, &rect);
    ownerSeen = GetWindow(dialog, GW_OWNER);
    Click(dialog, IDCANCEL);
  });
  win32::DialogParameterPrompter owned(owner, keys);
  owned.AskTypeText("0");
  EXPECT_EQ(ownerSeen, owner);
  EXPECT_NEAR((rect.left + rect.right) / 2, 400, 1);
  EXPECT_NEAR((rect.top + rect.bottom) / 2, 330, 1);
  DestroyWindow(owner);
}

TEST_F(ParameterDialogs, DelayFieldTakesDigitsPointAndBackSpaceOnly) {
  driver.Then([](HWND dialog) {
    HWND field = GetDlgItem(dialog, IDC_TfrmSetDelayTime_Edit1);
    EXPECT_EQ(Text(field), "");
    TypeChars(field, "1x2-5 a.5\b0");
    EXPECT_EQ(Text(field), "125.0");
    Click(dialog, IDOK);
  });
  win32::TfrmSetDelayTime delay(nullptr);
  EXPECT_EQ(delay.ShowModal(), ModalResult::kOk);
  EXPECT_EQ(delay.GetInterval(), "125.0");
}

TEST_F(ParameterDialogs, DelayFieldAcceptsPastedText) {
  driver.Then([](HWND dialog) {
    HWND field = GetDlgItem(dialog, IDC_TfrmSetDelayTime_Edit1);
    ASSERT_TRUE(OpenClipboard(dialog));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
    memcpy(GlobalLock(memory), "2s!", 4);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    SendMessageA(field, WM_PASTE, 0, 0);  // what the context menu's Paste sends
    Click(dialog, IDOK);
  });
  win32::TfrmSetDelayTime delay(nullptr);
  delay.ShowModal();
  EXPECT_EQ(delay.GetInterval(), "2s!");
}

TEST_F(ParameterDialogs, DelayEnterClosesAsOkAndCancelKeepsNothing) {
  driver.Then([](HWND dialog) {
    HWND field = GetDlgItem(dialog, IDC_TfrmSetDelayTime_Edit1);
    TypeChars(field, "40");
    // Through the dialog's own loop, where the dialog manager sees Enter first.
    PostMessageA(field, WM_KEYDOWN, VK_RETURN, 1);
  });
  driver.Then([](HWND dialog) {
    TypeChars(GetDlgItem(dialog, IDC_TfrmSetDelayTime_Edit1), "7");
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  win32::TfrmSetDelayTime first(nullptr);
  EXPECT_EQ(first.ShowModal(), ModalResult::kOk);
  EXPECT_EQ(first.GetInterval(), "40");
  win32::TfrmSetDelayTime second(nullptr);
  EXPECT_EQ(second.ShowModal(), ModalResult::kCancel);
  EXPECT_EQ(second.GetInterval(), "");
}

// A dialog whose OK handler fails, as a handler that meets a bad stored value would.
class FailingDialog : public win32::ModalDialog {
 public:
  FailingDialog() : ModalDialog(nullptr, IDD_TfrmPasteText) {}
  ModalResult ShowModal() { return Run(); }
  int commandsAfterError = 0;

 protected:
  void OnInit() override {}
  bool OnCommand(int id, int) override {
    if (failed_) ++commandsAfterError;
    if (id != IDOK) return false;
    failed_ = true;
    throw Error("'x' is not a valid integer value");
  }

 private:
  bool failed_ = false;
};

TEST_F(ParameterDialogs, HandlerErrorEndsTheDialogAndReachesTheCaller) {
  bool windowGone = false;
  HWND seen = nullptr;
  driver.Then([&](HWND dialog) {
    seen = dialog;
    Click(dialog, IDOK);
  });
  FailingDialog dialog;
  try {
    dialog.ShowModal();
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
    windowGone = !IsWindow(seen);
  }
  EXPECT_TRUE(windowGone);
  EXPECT_EQ(dialog.commandsAfterError, 0);
}

// What each dialog takes from its resource: caption, client size, font, controls and texts.
struct Look {
  std::string caption;
  SIZE client;
  std::string font;
  std::vector<std::pair<int, std::string>> texts;
};

Look LookOf(HWND dialog, const std::vector<int>& ids) {
  Look look;
  look.caption = Text(dialog);
  RECT client = {};
  GetClientRect(dialog, &client);
  look.client = {client.right, client.bottom};
  LOGFONTA font = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof(font), &font);
  look.font = font.lfFaceName;
  for (int id : ids) look.texts.emplace_back(id, ItemText(dialog, id));
  return look;
}

TEST_F(ParameterDialogs, ResourcesGiveCaptionsSizesFontsAndTexts) {
  std::vector<Look> looks;
  std::string hotKeyClass;
  driver.Then([&](HWND dialog) {
    looks.push_back(LookOf(dialog, {IDC_TfrmPasteText_Label1, IDOK, IDCANCEL}));
    const LONG style = GetWindowLongA(GetDlgItem(dialog, IDC_TfrmPasteText_Memo1), GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_TRUE(style & WS_HSCROLL);
    Click(dialog, IDCANCEL);
  });
  driver.Then([&](HWND dialog) {
    looks.push_back(LookOf(dialog, {IDC_TfrmHotkey_Label1, IDOK, IDCANCEL}));
    char name[64] = {};
    GetClassNameA(GetDlgItem(dialog, IDC_TfrmHotkey_HotKey1), name, sizeof(name));
    hotKeyClass = name;
    Click(dialog, IDCANCEL);
  });
  driver.Then([&](HWND dialog) {
    looks.push_back(LookOf(
        dialog, {IDC_TfrmKeySequence_btn1, IDC_TfrmKeySequence_btn2, IDC_TfrmKeySequence_btn4,
                 IDC_TfrmKeySequence_btn5, IDC_TfrmKeySequence_btn3, IDOK, IDCANCEL}));
    Click(dialog, IDCANCEL);
  });
  driver.Then([&](HWND dialog) {
    looks.push_back(LookOf(dialog, {IDC_TfrmSetDelayTime_Label1, IDC_TfrmSetDelayTime_Label2,
                                    IDC_TfrmSetDelayTime_Label3, IDOK, IDCANCEL}));
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    Click(dialog, IDCANCEL);
  });
  prompter.AskTypeText("0");
  prompter.AskKeyCombination("0");
  prompter.AskKeySequence("0");
  win32::TfrmSetDelayTime(nullptr).ShowModal();

  ASSERT_EQ(looks.size(), 4u);
  using Texts = std::vector<std::pair<int, std::string>>;
  EXPECT_EQ(looks[0].caption, "Enter simple text");
  EXPECT_EQ(looks[0].texts,
            (Texts{{IDC_TfrmPasteText_Label1, "Text to Type  (which you use frequently)"},
                   {IDOK, "OK"},
                   {IDCANCEL, "Cancel"}}));
  EXPECT_EQ(looks[1].caption, "Key Combination");
  EXPECT_EQ(
      looks[1].texts,
      (Texts{{IDC_TfrmHotkey_Label1, "Key Combination :"}, {IDOK, "OK"}, {IDCANCEL, "Cancel"}}));
  EXPECT_EQ(hotKeyClass, "msctls_hotkey32");
  EXPECT_EQ(looks[2].caption, "Key Sequence");
  EXPECT_EQ(looks[2].texts, (Texts{{IDC_TfrmKeySequence_btn1, "Add"},
                                   {IDC_TfrmKeySequence_btn2, "Delete"},
                                   {IDC_TfrmKeySequence_btn4, "Up"},
                                   {IDC_TfrmKeySequence_btn5, "Down"},
                                   {IDC_TfrmKeySequence_btn3, "Clear"},
                                   {IDOK, "OK"},
                                   {IDCANCEL, "Cancel"}}));
  EXPECT_EQ(looks[3].caption, "Delay Interval");
  EXPECT_EQ(looks[3].texts, (Texts{{IDC_TfrmSetDelayTime_Label1, "Interval:"},
                                   {IDC_TfrmSetDelayTime_Label2, "ms"},
                                   {IDC_TfrmSetDelayTime_Label3, "1s=1000ms"},
                                   {IDOK, "OK"},
                                   {IDCANCEL, "Cancel"}}));
  const SIZE sizes[] = {{269, 215}, {272, 115}, {278, 232}, {251, 117}};
  const char* fonts[] = {"Tahoma", "Tahoma", "Tahoma", "MS Sans Serif"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(looks[i].client.cx, sizes[i].cx) << looks[i].caption;
    EXPECT_EQ(looks[i].client.cy, sizes[i].cy) << looks[i].caption;
    EXPECT_EQ(looks[i].font, fonts[i]) << looks[i].caption;
  }
}

}  // namespace
}  // namespace zv::testing_win32
