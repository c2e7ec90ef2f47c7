// The real main window: its controls as laid out, key capture in the boxes, and the editor's
// stories driven through the controls' own messages, with modal boxes and dialogs answered.
#include <windows.h>
// After windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "catalogue/key_catalogue.h"
#include "common/error.h"
#include "scancode/scancode_map.h"
#include "settings/mapping_store.h"
#include "tests/editor_win32/main_window_rig.h"
#include "ui/win32/key_box.h"
#include "ui/win32/main_window_res.h"
#include "ui/win32/map_list.h"
#include "ui/win32/parameter_dialogs_res.h"

namespace zv::testing_win32 {
namespace {

using Texts = std::vector<std::string>;

class MainWindowTest : public ::testing::Test, public MainWindowRig {
 protected:
  void TearDown() override {
    EXPECT_FALSE(driver->timedOut) << "a box or dialog stayed open";
    EXPECT_FALSE(driver->stepsLeft()) << "a box or dialog the test expected never opened";
  }
  void Change(const std::string& source, const std::string& target) {
    Pick(c().cbbOldKey, source);
    Pick(c().cbbNewKey, target);
    Click(c().BitBtn8);
  }
};

TEST_F(MainWindowTest, TheWindowShowsItsPagesControlsAndTexts) {
  EXPECT_EQ(Text(form), "Velmora 3.96");
  EXPECT_EQ(Text(c().CheckBox1), "Start Velmora when Windows starts");
  EXPECT_EQ(Text(c().Label4), "Velmora 3.96");
  char status[64] = {};
  SendMessageA(c().StatusBar1, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
  EXPECT_STREQ(status, "  Powered by Velmora  ");

  Texts tabs;
  for (int i = 0; i < TabCtrl_GetItemCount(c().PageControl1); ++i) {
    char text[32] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(c().PageControl1, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    tabs.push_back(text);
  }
  EXPECT_EQ(tabs, (Texts{"Keyboard Map", "Registry Map", "Settings", "About"}));
  EXPECT_TRUE(GetWindowLongA(c().PageControl1, GWL_STYLE) & TCS_FLATBUTTONS);
  EXPECT_TRUE(IsWindowVisible(c().TabSheet1));
  EXPECT_FALSE(IsWindowVisible(c().TabSheet4));
  ShowPage(1);
  EXPECT_TRUE(IsWindowVisible(c().RegListView));
  EXPECT_TRUE(IsWindowVisible(c().RegMapNote));
  EXPECT_FALSE(IsWindowVisible(c().SwapKeyList));
  ShowPage(3);
  EXPECT_TRUE(IsWindowVisible(c().EmailLabel));

  char hint[64] = {};
  TTTOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.hwnd = c().TabSheet4;
  tool.uId = reinterpret_cast<UINT_PTR>(c().RegListView);
  tool.lpszText = hint;
  SendMessageA(c().RegListViewHint, TTM_GETTEXTA, sizeof hint, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(hint, "Change here makes use of registry.");

  EXPECT_EQ(Text(c().BitBtn8), "&Change");
  EXPECT_EQ(Text(c().BitBtn9), "&Reset Key");
  EXPECT_EQ(Text(c().BitBtn10), "Reset A&ll");
  EXPECT_EQ(Text(c().BitBtn3), "&Activate");
  EXPECT_EQ(Text(c().Button3), "..");
  EXPECT_EQ(SendMessageA(c().cbbOldKey, CB_GETCOUNT, 0, 0), 121);
  EXPECT_EQ(SendMessageA(c().cbbNewKey, CB_GETCOUNT, 0, 0), 134);

  for (HWND list : {c().SwapKeyList, c().RegListView}) {
    const LONG style = GetWindowLongA(list, GWL_STYLE);
    EXPECT_EQ(style & (LVS_TYPEMASK | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS),
              LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS);
    const LRESULT extended = SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_EQ(extended & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
              LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0), win32::ScaledPixels(147));
    EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0), win32::ScaledPixels(128));
    char header[32] = {};
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = header;
    column.cchTextMax = sizeof header;
    SendMessageA(list, LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(header, "         Original Key");
    SendMessageA(list, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(header, "Changed to");
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_CENTER);
  }
}

TEST_F(MainWindowTest, TheVerticalBarShowsAfterEveryPaintOfAShortList) {
  ShowPage(0);
  ShowScrollBar(c().SwapKeyList, SB_VERT, FALSE);
  InvalidateRect(c().SwapKeyList, nullptr, TRUE);
  UpdateWindow(c().SwapKeyList);
  EXPECT_TRUE(GetWindowLongA(c().SwapKeyList, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(MainWindowTest, BoxesNameEveryKeyAndKeepTheFocusOnTab) {
  HWND field = win32::ComboField(c().cbbOldKey);
  SetFocus(field);
  // Right Ctrl arrives as the generic Ctrl; the left one is up, so it is the right one.
  KeyThroughLoop(field, WM_KEYDOWN, VK_CONTROL);
  EXPECT_EQ(Text(c().cbbOldKey), "Right Ctrl");
  KeyThroughLoop(field, WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(Text(c().cbbOldKey), "Tab");
  EXPECT_EQ(GetFocus(), field);
  KeyThroughLoop(field, WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(Text(c().cbbOldKey), "Enter");
  KeyThroughLoop(field, WM_KEYDOWN, VK_DOWN);  // the arrows do not move the list's selection
  EXPECT_EQ(Text(c().cbbOldKey), "Down Arrow");
  EXPECT_EQ(SendMessageA(c().cbbOldKey, CB_GETCURSEL, 0, 0), CB_ERR);
  KeyThroughLoop(field, WM_CHAR, 'x');  // characters are discarded
  EXPECT_EQ(Text(c().cbbOldKey), "Down Arrow");
  KeyThroughLoop(field, WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(Text(c().cbbOldKey), "Esc");
  // Between the other controls Tab moves the focus, and "&" letters press their buttons.
  SetFocus(c().BitBtn8);
  KeyThroughLoop(c().BitBtn8, WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), c().BitBtn9);
  Answer(IDCANCEL);
  KeyThroughLoop(c().BitBtn9, WM_SYSCHAR, 'l');
  EXPECT_EQ(answered, Texts{"Zorvane: Are you sure you want to reset all keys?"});
}

TEST_F(MainWindowTest, ChangeStoresWithTheTipAndTheRowAppears) {
  HWND field = win32::ComboField(c().cbbOldKey);
  SetFocus(field);
  KeyThroughLoop(field, WM_KEYDOWN, 'A');
  Pick(c().cbbNewKey, "B");
  Answer(IDOK);
  Click(c().BitBtn8);
  ASSERT_EQ(answered.size(), 1u);
  EXPECT_NE(answered[0].find("Change successfully!"), std::string::npos);
  EXPECT_EQ(Rows(c().SwapKeyList), Texts{"A=B"});
  EXPECT_EQ(Caption(c().SwapKeyList, 0), "            A");
  EXPECT_EQ(settings.ReadString("SwapKey", "A", ""), "B");
  EXPECT_EQ(Text(c().cbbOldKey), "");
  EXPECT_EQ(Text(c().cbbNewKey), "");
}

TEST_F(MainWindowTest, AChosenProgramShowsItsListItsOffBoxAndTheUnchangedTarget) {
  StoreMapping(settings, "Tab", kUnchangedTarget, " ", "notepad.exe");
  SetProgramOff(settings, "notepad.exe", true);
  StoreMapping(settings, "J", "Left Arrow", " ", LayerScope("Nav"));
  window->programChoice().Load();
  // "list rows, off box (- hidden), Unchanged's place in the Changed to list".
  auto shown = [&](const std::string& program) {
    Pick(c().cbbProgram, program);
    MSG msg;  // the pick acts once the box's notifications are over
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    const LRESULT at = SendMessageA(c().cbbNewKey, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(kUnchangedTarget));
    const LRESULT off = SendMessageA(c().cbProgramOff, BM_GETCHECK, 0, 0);
    return std::to_string(Rows(c().SwapKeyList).size()) + " " +
           (IsWindowVisible(c().cbProgramOff) ? std::to_string(off) : "-") + " " +
           std::to_string(at);
  };
  EXPECT_EQ(shown("notepad.exe"), "1 1 0");
  Click(c().cbProgramOff);
  EXPECT_FALSE(ProgramOff(settings.Current(), "notepad.exe"));
  EXPECT_EQ(shown("Layer: Nav"), "1 - -1");  // a layer: neither the off box nor Unchanged
  EXPECT_EQ(shown("All programs"), "0 - -1");
}

TEST_F(MainWindowTest, TheThreeRefusalsAreShownAndStoreNothing) {
  Answer(IDOK);
  Change("A", "A");
  Answer(IDOK);
  Change("Left Shift", "Num 5");
  ShowPage(1);
  Answer(IDOK);
  Change("Caps Lock", "Shutdown");
  EXPECT_EQ(answered,
            (Texts{"Zorvane: Can not change the same key!",
                   "Zorvane: Do not support this change,please select other keys!",
                   "Zorvane: Raw map do not support this change,please select other keys!"}));
  EXPECT_EQ(Text(c().cbbOldKey), "Caps Lock");
  EXPECT_TRUE(settings.ReadSection("SwapKey").empty());
  EXPECT_EQ(ReadScancodeMap(registry), "");
}

TEST_F(MainWindowTest, TypeTextThroughItsDialogThenModifyThenResetKey) {
  Pick(c().cbbOldKey, "F1");
  driver->Then([](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_TfrmPasteText_Memo1, "Hello\r\nWorld");
    testing_win32::Click(dialog, IDOK);
  });
  Answer(IDOK);                     // the tip
  Pick(c().cbbNewKey, "TypeText");  // picking it opens the dialog and stores at once
  EXPECT_EQ(Rows(c().SwapKeyList), Texts{"F1=TypeText1"});
  EXPECT_EQ(settings.ReadString("TypeText1", "Parameter", ""), "Hello#World");
  EXPECT_EQ(win32::MapListRow(c().SwapKeyList, 0).does, "Hello\u23CEWorld");

  // Modify, from the list's popup menu: the dialog shows the stored text.
  std::string shown;
  SelectRow(c().SwapKeyList, 0);
  EXPECT_EQ(Text(c().cbbNewKey), "TypeText1");  // the row click filled the boxes
  driver->Then([&](HWND dialog) {
    shown = ItemText(dialog, IDC_TfrmPasteText_Memo1);
    SetDlgItemTextA(dialog, IDC_TfrmPasteText_Memo1, "Bye");
    testing_win32::Click(dialog, IDOK);
  });
  MenuCommand(IDM_N7);
  EXPECT_EQ(shown, "Hello\r\nWorld");
  EXPECT_EQ(settings.ReadString("TypeText1", "Parameter", ""), "Bye");
  EXPECT_EQ(Rows(c().SwapKeyList), Texts{"F1=TypeText1"});

  // Delete on the selected row resets it, without a question.
  SelectRow(c().SwapKeyList, 0);
  SendMessageA(c().SwapKeyList, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_TRUE(Rows(c().SwapKeyList).empty());
  EXPECT_EQ(settings.ReadString("SwapKey", "F1", "none"), "none");
  EXPECT_EQ(settings.ReadString("TypeText1", "Parameter", "none"), "none");
}

TEST_F(MainWindowTest, TheTargetMenuPicksAndTheListMenuResets) {
  HMENU menu = window->menus().PopupMenu3();
  ASSERT_EQ(GetMenuItemCount(menu), 3);
  char caption[32] = {};
  GetMenuStringA(menu, 0, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "General Keys");
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, 0)), 3);
  HMENU list = window->menus().PopupMenu2();
  GetMenuStringA(list, 0, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "Modify");
  GetMenuStringA(list, 1, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "Reset");

  Pick(c().cbbOldKey, "Q");
  const std::vector<TargetMenuItem> items = TargetMenuItems();
  int w = -1;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].caption == "W") w = static_cast<int>(i);
  ASSERT_GE(w, 0);
  MenuCommand(IDM_TargetMenu + w);
  EXPECT_EQ(Text(c().cbbNewKey), "W");
  Answer(IDOK);
  Click(c().BitBtn8);
  EXPECT_EQ(Rows(c().SwapKeyList), Texts{"Q=W"});
  SelectRow(c().SwapKeyList, 0);
  MenuCommand(IDM_N4);
  EXPECT_TRUE(Rows(c().SwapKeyList).empty());
}

TEST_F(MainWindowTest, ResetAllAsksFirstAndEmptiesTheFile) {
  Answer(IDOK);
  Change("A", "B");
  Answer(IDCANCEL);
  Click(c().BitBtn10);
  EXPECT_EQ(Rows(c().SwapKeyList), Texts{"A=B"});
  Answer(IDOK);
  Click(c().BitBtn10);
  EXPECT_TRUE(Rows(c().SwapKeyList).empty());
  EXPECT_EQ(channelKeyDeletes, 1);
  EXPECT_EQ(settings.ReadSections(), Texts{"DisableKey"});
  EXPECT_EQ(settings.ReadString("DisableKey", "Index", ""), "0");
}

TEST_F(MainWindowTest, TheRegistryMapPageWritesTheSystemMapAndListsIt) {
  ShowPage(1);
  Answer(IDOK);
  Change("Caps Lock", "Left Ctrl");
  EXPECT_EQ(ReadScancodeMap(registry), "0000000000000000020000001D003A0000000000");
  EXPECT_EQ(Rows(c().RegListView), Texts{"Caps Lock=Left Ctrl"});
  ASSERT_EQ(answered.size(), 1u);
  EXPECT_EQ(answered[0].find("Velmora: "), 0u);
  EXPECT_NE(answered[0].find("Windows restarts"), std::string::npos);
  EXPECT_TRUE(Rows(c().SwapKeyList).empty());
  // A map written by another program shows when the list is filled again.
  WriteScancodeMap(registry,
                   "000000000000000003000000"
                   "30001E00"
                   "01003A00"
                   "00000000");
  window->editor().RefreshRegistryMap();
  EXPECT_EQ(Rows(c().RegListView), (Texts{"A=B", "Caps Lock=Esc"}));

  SelectRow(c().RegListView, 0);
  Click(c().BitBtn9);
  EXPECT_EQ(ReadScancodeMap(registry),
            "000000000000000002000000"
            "01003A00"
            "00000000");
  EXPECT_EQ(Rows(c().RegListView), Texts{"Caps Lock=Esc"});
  Answer(IDOK);
  Click(c().BitBtn10);
  EXPECT_EQ(ReadScancodeMap(registry), "");
  EXPECT_TRUE(Rows(c().RegListView).empty());
}

TEST_F(MainWindowTest, AMapOfTheWrongTypeIsReportedAndTheListStaysEmpty) {
  platform::RegistryKey key =
      registry.OpenKey(platform::RegistryRoot::LocalMachine, kScancodeMapKeyPath);
  ASSERT_NE(key, 0u);
  registry.WriteString(key, kScancodeMapValueName, "text");
  registry.CloseKey(key);
  Answer(IDOK);
  window->editor().LoadLists();
  EXPECT_EQ(answered, Texts{"Zorvane: Invalid data type for 'Scancode Map'"});
  EXPECT_TRUE(Rows(c().RegListView).empty());
}

// The engine switch and the "Settings" and "About" pages get their behaviour elsewhere; the
// window reports their controls' events to whoever is set.
TEST_F(MainWindowTest, TheActivateButtonAndThePagesControlsReachTheirHandlers) {
  struct Recorder : win32::MainWindowEvents {
    Texts calls;
    void BitBtn3Click() override { calls.push_back("BitBtn3Click"); }
    void CheckBox1Click() override { calls.push_back("CheckBox1Click"); }
    void CheckBox2Click() override { calls.push_back("CheckBox2Click"); }
    void HotKey1Change() override { throw Error("Register HotKey Fail,Please reset Hotkey!"); }
    void EmailLabelClick() override { calls.push_back("EmailLabelClick"); }
  } recorder;
  Click(c().BitBtn3);  // nobody set: nothing happens
  window->SetEvents(&recorder);
  Click(c().BitBtn3);
  ShowPage(2);
  Click(c().CheckBox1);
  Click(c().CheckBox2);
  EXPECT_EQ(SendMessageA(c().CheckBox2, BM_GETCHECK, 0, 0), BST_CHECKED);
  Answer(IDOK);
  SendMessageA(c().TabSheet2, WM_COMMAND, MAKEWPARAM(IDC_HotKey1, EN_CHANGE),
               reinterpret_cast<LPARAM>(c().HotKey1));
  ShowPage(3);
  SendMessageA(c().TabSheet5, WM_COMMAND, MAKEWPARAM(IDC_EmailLabel, STN_CLICKED),
               reinterpret_cast<LPARAM>(c().EmailLabel));
  EXPECT_EQ(recorder.calls,
            (Texts{"BitBtn3Click", "CheckBox1Click", "CheckBox2Click", "EmailLabelClick"}));
  EXPECT_EQ(answered, Texts{"Zorvane: Register HotKey Fail,Please reset Hotkey!"});
  window->SetEvents(nullptr);
}

}  // namespace
}  // namespace zv::testing_win32
