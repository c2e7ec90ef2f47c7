// The main window as the mapping editor's view: box texts, the lists, the active page and the
// message boxes.
#include "ui/win32/main_window.h"
// After windows.h.
#include <commctrl.h>

#include <array>
#include <utility>

#include "catalogue/shortcut_name.h"
#include "ui/win32/map_list.h"
#include "ui/win32/modal_dialog.h"
#include "ui/win32/tip_dialog.h"

namespace zv::win32 {
namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
  return text;
}

// The modifier boxes with their bits.
std::array<std::pair<HWND, std::uint16_t>, 4> ModifierBoxesOf(const MainWindowControls& c) {
  return {{{c.cbWin, kModWin}, {c.cbCtrl, kModCtrl}, {c.cbAlt, kModAlt}, {c.cbShift, kModShift}}};
}

}  // namespace

HWND MainWindow::ListOf(MapList list) const {
  return list == MapList::SwapKeyList ? c_.SwapKeyList : c_.RegListView;
}

HWND MainWindow::BoxOf(KeyBox box) const {
  return box == KeyBox::OldKey ? c_.cbbOldKey : c_.cbbNewKey;
}

std::string MainWindow::BoxText(KeyBox box) {
  return WindowText(BoxOf(box));
}

void MainWindow::SetBoxText(KeyBox box, const std::string& text) {
  SetWindowTextA(BoxOf(box), text.c_str());
}

std::uint16_t MainWindow::ModifierBoxes() {
  std::uint16_t modifiers = 0;
  for (const auto& [box, bit] : ModifierBoxesOf(c_))
    if (SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) modifiers |= bit;
  return modifiers;
}

void MainWindow::SetModifierBoxes(std::uint16_t modifiers) {
  for (const auto& [box, bit] : ModifierBoxesOf(c_))
    SendMessageA(box, BM_SETCHECK, (modifiers & bit) ? BST_CHECKED : BST_UNCHECKED, 0);
}

void MainWindow::ShowStatus(const std::string& text) {
  SendMessageA(c_.StatusBar1, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text.c_str()));
}

EditorPage MainWindow::ActivePage() {
  const LRESULT page = SendMessageA(c_.PageControl1, TCM_GETCURSEL, 0, 0);
  return page < 0 ? EditorPage::KeyboardMap : static_cast<EditorPage>(page);
}

void MainWindow::ShowPage(EditorPage page) {
  SendMessageA(c_.PageControl1, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
  ShowActivePage();
}

int MainWindow::RowCount(MapList list) {
  return MapListCount(ListOf(list));
}

int MainWindow::SelectedIndex(MapList list) {
  return MapListSelectedIndex(ListOf(list));
}

MapRow MainWindow::Row(MapList list, int index) {
  return MapListRow(ListOf(list), index);
}

void MainWindow::AppendRow(MapList list, const MapRow& row) {
  MapListAppend(ListOf(list), row);
}

void MainWindow::DeleteRow(MapList list, int index) {
  MapListDelete(ListOf(list), index);
}

void MainWindow::ClearRows(MapList list) {
  MapListClear(ListOf(list));
}

void MainWindow::ShowMessage(const std::string& text) {
  MessageBoxA(form_, text.c_str(), services_.messageTitle.c_str(), MB_OK);
}

void MainWindow::ShowError(const std::string& text) {
  MessageBoxA(form_, text.c_str(), services_.messageTitle.c_str(), MB_OK | MB_ICONERROR);
}

bool MainWindow::ConfirmOkCancel(const std::string& text) {
  return MessageBoxA(form_, text.c_str(), services_.messageTitle.c_str(), MB_OKCANCEL) == IDOK;
}

bool MainWindow::AskYesNo(const std::string& text) {
  return MessageBoxA(form_, text.c_str(), services_.messageTitle.c_str(),
                     MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void MainWindow::ShowTip(const std::string& key, const std::string& text) {
  ShowTipDialog(form_, services_.settings, key, text);
}

void MainWindow::ApplyDisplayName(const std::string& product, const std::string& display) {
  for (HWND control : {form_, c_.CheckBox1, c_.Label4}) {
    SetWindowTextA(control, Replaced(WindowText(control), product, display).c_str());
  }
  const std::string status = "  Powered by " + display + "  ";
  SendMessageA(c_.StatusBar1, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(status.c_str()));
  SetWindowTextA(c_.Label8, (display + " changes what your keys do, in every program.").c_str());
  SetWindowTextA(c_.Label10, ("Keys mapped on the \"Keyboard Map\" page work while " + display +
                              " is activated.")
                                 .c_str());
}

}  // namespace zv::win32
