// The key-sequence dialog under Wine: its box, its list and buttons, the delay dialog it opens
// and dragging within the list.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/dialogs_win32/dialog_driver.h"
#include "tests/dialogs_win32/live_key_state.h"
#include "ui/win32/parameter_dialogs.h"
#include "ui/win32/parameter_dialogs_res.h"

namespace zv::testing_win32 {
namespace {

using List = std::vector<std::string>;
constexpr int kBox = IDC_TfrmKeySequence_cbb1;
constexpr int kList = IDC_TfrmKeySequence_lst1;

HWND BoxField(HWND dialog) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(GetDlgItem(dialog, kBox), &info);
  return info.hwndItem;
}

class KeySequenceDialog : public testing::Test {
 protected:
  void TearDown() override {
    EXPECT_FALSE(driver.timedOut) << "a dialog stayed open";
    EXPECT_FALSE(driver.stepsLeft()) << "a dialog the script expected never opened";
  }
  std::string Ask(const std::string& initial) { return prompter.AskKeySequence(initial); }

  DialogDriver driver;
  LiveKeyState keys;
  win32::DialogParameterPrompter prompter{nullptr, keys};
};

TEST_F(KeySequenceDialog, BoxOffersTheSequenceList) {
  LRESULT count = 0;
  std::string first;
  driver.Then([&](HWND dialog) {
    HWND box = GetDlgItem(dialog, kBox);
    count = SendMessageA(box, CB_GETCOUNT, 0, 0);
    char text[64] = {};
    SendMessageA(box, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    first = text;
    Click(dialog, IDCANCEL);
  });
  Ask("0");
  EXPECT_EQ(count, 121);
  EXPECT_EQ(first, "Delay");
}

TEST_F(KeySequenceDialog, ReopensWithTheStoredItemsInOrder) {
  List shown;
  driver.Then([&](HWND dialog) {
    shown = ListItems(dialog, kList);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Ask("KeyDown B,Delay 100,KeyUp B,KeyDown A,"),
            "KeyDown B,Delay 100,KeyUp B,KeyDown A,");
  EXPECT_EQ(shown, (List{"KeyDown B", "Delay 100", "KeyUp B", "KeyDown A"}));
}

TEST_F(KeySequenceDialog, CapturedKeyIsAddedAsDownAndUp) {
  std::string captured;
  driver.Then([&](HWND dialog) {
    HWND field = BoxField(dialog);
    SetFocus(field);
    PressKey(field, 'A');
    TypeChars(field, "a");  // characters are discarded
    captured = ItemText(dialog, kBox);
    Click(dialog, IDC_TfrmKeySequence_btn1);
    PressKey(field, VK_F5);
    Click(dialog, IDC_TfrmKeySequence_btn1);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Ask("0"), "KeyDown A,KeyUp A,KeyDown F5,KeyUp F5,");
  EXPECT_EQ(captured, "A");
}

TEST_F(KeySequenceDialog, CaptureKeepsArrowsAndEnterFromTheBox) {
  std::string afterArrow, afterEnter;
  driver.Then([&](HWND dialog) {
    HWND field = BoxField(dialog);
    SetFocus(field);
    PickComboItem(dialog, kBox, 5);
    const LRESULT picked = SendMessageA(GetDlgItem(dialog, kBox), CB_GETCURSEL, 0, 0);
    PressKey(field, VK_DOWN);  // named "Down Arrow", and the box's selection does not move
    afterArrow = ItemText(dialog, kBox);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, kBox), CB_GETCURSEL, 0, 0), picked);
    // Enter reaches the box through the dialog's loop instead of closing the dialog.
    PostMessageA(field, WM_KEYDOWN, VK_RETURN, 1);
  });
  driver.Then([&](HWND dialog) {
    afterEnter = ItemText(dialog, kBox);
    Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(Ask("0"), " ");
  EXPECT_EQ(afterArrow, "Down Arrow");
  EXPECT_EQ(afterEnter, "Enter");
}

TEST_F(KeySequenceDialog, TabIsNotCapturedAndMovesTheFocus) {
  bool tabWanted = true, keyWanted = false;
  std::string text;
  HWND focusAfterTab = nullptr, list = nullptr;
  driver.Then([&](HWND dialog) {
    HWND field = BoxField(dialog);
    list = GetDlgItem(dialog, kList);
    MSG tab = {field, WM_KEYDOWN, VK_TAB, 1, 0, {0, 0}};
    MSG key = {field, WM_KEYDOWN, 'A', 1, 0, {0, 0}};
    tabWanted = SendMessageA(field, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)) &
                DLGC_WANTMESSAGE;
    keyWanted =
        SendMessageA(field, WM_GETDLGCODE, 'A', reinterpret_cast<LPARAM>(&key)) & DLGC_WANTMESSAGE;
    SetFocus(field);
    PostMessageA(field, WM_KEYDOWN, VK_TAB, 1);
  });
  driver.Then([&](HWND dialog) {
    focusAfterTab = GetFocus();
    text = ItemText(dialog, kBox);
    Click(dialog, IDCANCEL);
  });
  Ask("0");
  EXPECT_FALSE(tabWanted);
  EXPECT_TRUE(keyWanted);
  EXPECT_EQ(text, "");
  EXPECT_EQ(focusAfterTab, list);
}

TEST_F(KeySequenceDialog, AddIgnoresDelayAndNamesTheListLacks) {
  driver.Then([](HWND dialog) {
    HWND field = BoxField(dialog);
    PressKey(field, VK_NUMLOCK);  // "Num Lock", while the list spells "NumLock"
    EXPECT_EQ(ItemText(dialog, kBox), "Num Lock");
    Click(dialog, IDC_TfrmKeySequence_btn1);
    SetDlgItemTextA(dialog, kBox, "Delay");
    Click(dialog, IDC_TfrmKeySequence_btn1);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Ask("0"), " ");
}

TEST_F(KeySequenceDialog, PickingDelayAsksForTheInterval) {
  std::string delayCaption;
  HWND delayOwner = nullptr, sequence = nullptr;
  driver.Then([&](HWND dialog) {
    sequence = dialog;
    PickComboItem(dialog, kBox, 0);  // "Delay": the delay dialog opens inside this step
    PickComboItem(dialog, kBox, 0);  // and once more, cancelled
    PickComboItem(dialog, kBox, 0);  // and once more, OK with an empty field
    EXPECT_EQ(ItemText(dialog, kBox), "Delay");
    Click(dialog, IDOK);
  });
  driver.Then([&](HWND delay) {
    delayCaption = Text(delay);
    delayOwner = GetWindow(delay, GW_OWNER);
    TypeChars(GetDlgItem(delay, IDC_TfrmSetDelayTime_Edit1), "250");
    Click(delay, IDOK);
  });
  driver.Then([](HWND delay) {
    TypeChars(GetDlgItem(delay, IDC_TfrmSetDelayTime_Edit1), "300");
    Click(delay, IDCANCEL);
  });
  driver.Then([](HWND delay) { Click(delay, IDOK); });
  EXPECT_EQ(Ask("0"), "Delay 250,");
  EXPECT_EQ(delayCaption, "Delay Interval");
  EXPECT_EQ(delayOwner, sequence);
}

TEST_F(KeySequenceDialog, PickingAKeyOnlyShowsIt) {
  driver.Then([](HWND dialog) {
    PickComboItem(dialog, kBox, 1);
    EXPECT_EQ(ItemText(dialog, kBox), "0");
    Click(dialog, IDC_TfrmKeySequence_btn1);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Ask("0"), "KeyDown 0,KeyUp 0,");
  EXPECT_EQ(driver.dialogsCreated, 1);
}

TEST_F(KeySequenceDialog, UpDownDeleteAndClear) {
  List afterUp, afterDown;
  int selectedAfterUp = -1;
  driver.Then([&](HWND dialog) {
    SelectListItem(dialog, kList, 0);
    Click(dialog, IDC_TfrmKeySequence_btn4);  // Up on the first: to the end
    afterUp = ListItems(dialog, kList);
    selectedAfterUp = static_cast<int>(SendMessageA(GetDlgItem(dialog, kList), LB_GETCURSEL, 0, 0));
    Click(dialog, IDC_TfrmKeySequence_btn5);  // Down on the last: to the top
    afterDown = ListItems(dialog, kList);
    SelectListItem(dialog, kList, 1);
    Click(dialog, IDC_TfrmKeySequence_btn2);  // Delete
    Click(dialog, IDOK);
  });
  driver.Then([](HWND dialog) {
    Click(dialog, IDC_TfrmKeySequence_btn3);  // Clear
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Ask("a,b,c,"), "a,c,");
  EXPECT_EQ(afterUp, (List{"b", "c", "a"}));
  EXPECT_EQ(selectedAfterUp, 2);
  EXPECT_EQ(afterDown, (List{"a", "b", "c"}));
  EXPECT_EQ(Ask("a,b,"), " ");
}

TEST_F(KeySequenceDialog, CancelAndCloseBoxKeepNothing) {
  driver.Then([](HWND dialog) {
    Click(dialog, IDC_TfrmKeySequence_btn3);
    Click(dialog, IDCANCEL);
  });
  driver.Then([](HWND dialog) { SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); });
  EXPECT_EQ(Ask("KeyDown A,KeyUp A,"), " ");
  EXPECT_EQ(Ask("KeyDown A,KeyUp A,"), " ");
}

// The screen point in the middle of a list item.
POINT ItemPoint(HWND list, int index) {
  RECT item = {};
  SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
  POINT point = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(list, &point);
  return point;
}

void MouseAt(HWND list, UINT message, POINT screen, WPARAM buttons) {
  SetCursorPos(screen.x, screen.y);
  POINT client = screen;
  ScreenToClient(list, &client);
  SendMessageA(list, message, buttons, MAKELPARAM(client.x, client.y));
}

TEST_F(KeySequenceDialog, DraggingAnItemMovesIt) {
  List afterFirst;
  int selected = -1;
  driver.Then([&](HWND dialog) {
    HWND list = GetDlgItem(dialog, kList);
    MouseAt(list, WM_LBUTTONDOWN, ItemPoint(list, 0), MK_LBUTTON);
    MouseAt(list, WM_MOUSEMOVE, ItemPoint(list, 2), MK_LBUTTON);
    MouseAt(list, WM_LBUTTONUP, ItemPoint(list, 2), 0);
    afterFirst = ListItems(dialog, kList);
    selected = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
    // Dropped on itself: nothing moves.
    MouseAt(list, WM_LBUTTONDOWN, ItemPoint(list, 3), MK_LBUTTON);
    MouseAt(list, WM_LBUTTONUP, ItemPoint(list, 3), 0);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(Ask("a,b,c,d,"), "b,c,a,d,");
  EXPECT_EQ(afterFirst, (List{"b", "c", "a", "d"}));
  EXPECT_EQ(selected, 2);
}

}  // namespace
}  // namespace zv::testing_win32
