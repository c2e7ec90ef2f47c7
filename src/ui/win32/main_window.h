#pragma once
// The content of the main window TMainForm: the page control with its four pages, the
// sentence "Set [Original Key] To [Changed to] [..]", the buttons below it and the status bar.
// The panel and the pages are child dialogs from main_window.rc, so Tab and the "&" letters
// move between the controls when the message loop passes messages to IsMainWindowMessage.
// The window only translates messages: the editor's rules are MappingEditor's, and the
// controls whose behaviour belongs to the engine switch and the start-up pages report to
// MainWindowEvents.
#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "platform/key_state.h"
#include "platform/open_programs.h"
#include "settings/settings_file.h"
#include "ui/mapping_editor.h"
#include "ui/program_choice.h"
#include "ui/win32/key_box.h"
#include "ui/win32/parameter_dialogs.h"
#include "ui/win32/popup_menus.h"

namespace zv::win32 {

// Every control of the main window by its name.
struct MainWindowControls {
  HWND PageControl1 = nullptr;
  HWND TabSheet1 = nullptr, TabSheet4 = nullptr, TabSheet2 = nullptr, TabSheet5 = nullptr;
  HWND Label7 = nullptr, cbbOldKey = nullptr, Label12 = nullptr, cbbNewKey = nullptr;
  HWND Button3 = nullptr, BitBtn8 = nullptr, BitBtn9 = nullptr, BitBtn10 = nullptr;
  HWND BitBtn3 = nullptr;  // "&Activate"
  // The modifier boxes "Win", "Ctrl", "Alt", "Shift" under cbbOldKey.
  HWND cbWin = nullptr, cbCtrl = nullptr, cbAlt = nullptr, cbShift = nullptr;
  HWND SwapKeyList = nullptr, RegListView = nullptr, RegMapNote = nullptr;
  // The Keyboard Map's "Program:" box and "No mappings in this program".
  HWND lblProgram = nullptr, cbbProgram = nullptr, cbProgramOff = nullptr;
  HWND RegListViewHint = nullptr;  // the tooltip "Change here makes use of registry."
  // "Settings"
  HWND GroupBox2 = nullptr, CheckBox1 = nullptr, CheckBox2 = nullptr, GroupBox1 = nullptr;
  HWND Label1 = nullptr, HotKey1 = nullptr, Label2 = nullptr, HotKey2 = nullptr;
  // "About"
  HWND Panel2 = nullptr, img1 = nullptr, Label4 = nullptr, Label8 = nullptr, Label13 = nullptr;
  HWND Label14 = nullptr, Label9 = nullptr, EmailLabel = nullptr, Label10 = nullptr;
  HWND StatusBar1 = nullptr;
};

// The handlers of the engine switch and of the "Settings" and "About" pages. The window calls
// them from its messages; the defaults do nothing. Exceptions are shown in the error box.
class MainWindowEvents {
 public:
  virtual ~MainWindowEvents() = default;
  virtual void BitBtn3Click() {}
  virtual void CheckBox1Click() {}
  virtual void CheckBox2Click() {}
  virtual void HotKey1Change() {}
  virtual void HotKey2Change() {}
  virtual void Label14Click() {}
  virtual void EmailLabelClick() {}
};

struct MainWindowServices {
  SettingsFile& settings;
  ScancodeMapPort& scancodes;
  platform::KeyState& keys;
  platform::OpenPrograms& openPrograms;    // offered by "Add program..."
  std::function<void()> deleteChannelKey;  // Reset All's removal of the registry channel key
  std::string messageTitle;                // the caption of message boxes ("Zorvane")
};

class MainWindow : private MappingEditorView, private ProgramChoiceView, private KeyCapture {
 public:
  // Fills form (a top-level window) with the controls and sizes it to them. The lists stay
  // empty until editor().LoadLists().
  MainWindow(HWND form, MainWindowServices services);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  MappingEditor& editor() { return editor_; }
  ProgramChoice& programChoice() { return programChoice_; }
  const MainWindowControls& controls() const { return c_; }
  const PopupMenus& menus() const { return menus_; }
  // null: the controls do nothing again.
  void SetEvents(MainWindowEvents* events) { events_ = events != nullptr ? events : &noEvents_; }

  // In every "Zorvane" of the caption, CheckBox1 and Label4 the display name replaces the
  // product name; the status bar and the "About" texts name the display brand.
  void ApplyDisplayName(const std::string& product, const std::string& display);

  // For the message loop: Tab, the "&" letters and the boxes' key capture.
  bool IsMainWindowMessage(MSG* msg);
  // The form's WM_ACTIVATE: the control that had the focus gets it back (at first the
  // Original Key box).
  void FormActivated(bool active);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND CreatePage(int resource);
  void CreateControls();
  void LayOut();
  void FitListsToPages();
  INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code, HWND control);
  LRESULT OnNotify(const NMHDR& header);
  void OnBoxCommand(HWND box, int code);
  void OnProgramBoxCommand(int code);
  void ShowActivePage();
  // Runs a handler at the window's boundary: an error is shown in the standard error box.
  template <class F>
  void Guarded(F&& handler) {
    try {
      handler();
    } catch (const std::exception& e) {
      ShowError(e.what());
    }
  }

  // MappingEditorView (main_window_view.cpp)
  std::string BoxText(KeyBox box) override;
  void SetBoxText(KeyBox box, const std::string& text) override;
  std::uint16_t ModifierBoxes() override;
  void SetModifierBoxes(std::uint16_t modifiers) override;
  void ShowStatus(const std::string& text) override;
  EditorPage ActivePage() override;
  void ShowPage(EditorPage page) override;
  int RowCount(MapList list) override;
  int SelectedIndex(MapList list) override;
  MapRow Row(MapList list, int index) override;
  void AppendRow(MapList list, const MapRow& row) override;
  void DeleteRow(MapList list, int index) override;
  void ClearRows(MapList list) override;
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  bool ConfirmOkCancel(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  void ShowTip(const std::string& key, const std::string& text) override;
  HWND ListOf(MapList list) const;

  // ProgramChoiceView (main_window_programs.cpp)
  void SetProgramItems(const std::vector<std::string>& items, int chosen) override;
  void ShowProgramOffBox(bool shown, bool checked) override;
  void OfferUnchangedTarget(bool offered) override;
  std::string ChooseProgramToAdd(const std::vector<std::string>& open) override;
  std::optional<std::string> AskLayerName() override;
  HWND BoxOf(KeyBox box) const;

  // KeyCapture: cbbOldKeyKeyDown, cbbNewKeyKeyDown.
  int BoxKeyDown(HWND box, int virtualKey) noexcept override;

  HWND form_;
  HWND panel_ = nullptr;
  MainWindowControls c_;
  MainWindowServices services_;
  DialogParameterPrompter prompter_;
  MappingEditor editor_;
  ProgramChoice programChoice_;
  int chosenProgram_ = 0;  // the Program box's item that is chosen
  PopupMenus menus_;
  MainWindowEvents noEvents_;
  MainWindowEvents* events_ = &noEvents_;
  HFONT boldFont_ = nullptr;
  HFONT linkFont_ = nullptr;
  // An item of the open drop-down list was chosen and its pick has not run yet.
  bool pickedWhileOpen_ = false;
  HWND lastFocus_ = nullptr;
};

}  // namespace zv::win32
