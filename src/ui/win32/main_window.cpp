#include "ui/win32/main_window.h"

#include <commctrl.h>

#include "catalogue/key_lists.h"
#include "ui/win32/hotkey_field.h"
#include "ui/win32/main_window_res.h"
#include "ui/win32/map_list.h"

namespace zv::win32 {
namespace {

const char* const kPageCaptions[] = {"Keyboard Map", "Registry Map", "Settings", "About"};
constexpr int kStatusPanelWidth = 170;

void FillBox(HWND box, const std::vector<std::string>& names) {
  for (const std::string& name : names)
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

// A tooltip shown while the mouse rests on control.
HWND AddHint(HWND control, const char* text) {
  HWND tip =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                      GetAncestor(control, GA_ROOT), nullptr, GetModuleHandleA(nullptr), nullptr);
  TTTOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text);
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  return tip;
}

HFONT DerivedFont(HWND control, bool bold, bool underline) {
  LOGFONTA font = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  if (bold) font.lfWeight = FW_BOLD;
  font.lfUnderline = underline ? TRUE : FALSE;
  return CreateFontIndirectA(&font);
}

}  // namespace

MainWindow::MainWindow(HWND form, MainWindowServices services)
    : form_(form),
      services_(std::move(services)),
      prompter_(form, services_.keys),
      editor_(MappingEditorParts{*this, services_.settings, services_.scancodes, prompter_,
                                 services_.keys, services_.deleteChannelKey}),
      programChoice_(
          ProgramChoiceParts{*this, services_.settings, services_.openPrograms, editor_}) {
  INITCOMMONCONTROLSEX classes = {sizeof(classes),
                                  ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  CreateControls();
  LayOut();
}

MainWindow::~MainWindow() {
  // Gone already when the form was destroyed first.
  for (HWND window : {panel_, c_.StatusBar1, c_.RegListViewHint}) {
    if (window != nullptr && IsWindow(window)) DestroyWindow(window);
  }
  if (boldFont_ != nullptr) DeleteObject(boldFont_);
  if (linkFont_ != nullptr) DeleteObject(linkFont_);
}

HWND MainWindow::CreatePage(int resource) {
  return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource), panel_,
                            &MainWindow::DialogProc, reinterpret_cast<LPARAM>(this));
}

void MainWindow::CreateControls() {
  panel_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MainPanel), form_,
                              &MainWindow::DialogProc, reinterpret_cast<LPARAM>(this));
  auto item = [](HWND dialog, int id) { return GetDlgItem(dialog, id); };
  c_.PageControl1 = item(panel_, IDC_PageControl1);
  c_.Label7 = item(panel_, IDC_Label7);
  c_.cbbOldKey = item(panel_, IDC_cbbOldKey);
  c_.Label12 = item(panel_, IDC_Label12);
  c_.cbbNewKey = item(panel_, IDC_cbbNewKey);
  c_.Button3 = item(panel_, IDC_Button3);
  c_.BitBtn8 = item(panel_, IDC_BitBtn8);
  c_.BitBtn9 = item(panel_, IDC_BitBtn9);
  c_.BitBtn10 = item(panel_, IDC_BitBtn10);
  c_.BitBtn3 = item(panel_, IDC_BitBtn3);
  c_.cbWin = item(panel_, IDC_cbWin);
  c_.cbCtrl = item(panel_, IDC_cbCtrl);
  c_.cbAlt = item(panel_, IDC_cbAlt);
  c_.cbShift = item(panel_, IDC_cbShift);

  c_.TabSheet1 = CreatePage(IDD_TabSheet1);
  c_.TabSheet4 = CreatePage(IDD_TabSheet4);
  c_.TabSheet2 = CreatePage(IDD_TabSheet2);
  c_.TabSheet5 = CreatePage(IDD_TabSheet5);
  c_.SwapKeyList = item(c_.TabSheet1, IDC_SwapKeyList);
  c_.lblProgram = item(c_.TabSheet1, IDC_lblProgram);
  c_.cbbProgram = item(c_.TabSheet1, IDC_cbbProgram);
  c_.cbProgramOff = item(c_.TabSheet1, IDC_cbProgramOff);
  c_.RegListView = item(c_.TabSheet4, IDC_RegListView);
  c_.RegMapNote = item(c_.TabSheet4, IDC_RegMapNote);
  c_.GroupBox2 = item(c_.TabSheet2, IDC_GroupBox2);
  c_.CheckBox1 = item(c_.TabSheet2, IDC_CheckBox1);
  c_.CheckBox2 = item(c_.TabSheet2, IDC_CheckBox2);
  c_.GroupBox1 = item(c_.TabSheet2, IDC_GroupBox1);
  c_.Label1 = item(c_.TabSheet2, IDC_Label1);
  c_.HotKey1 = item(c_.TabSheet2, IDC_HotKey1);
  c_.Label2 = item(c_.TabSheet2, IDC_Label2);
  c_.HotKey2 = item(c_.TabSheet2, IDC_HotKey2);
  c_.Panel2 = item(c_.TabSheet5, IDC_Panel2);
  c_.img1 = item(c_.TabSheet5, IDC_img1);
  c_.Label4 = item(c_.TabSheet5, IDC_Label4);
  c_.Label8 = item(c_.TabSheet5, IDC_Label8);
  c_.Label13 = item(c_.TabSheet5, IDC_Label13);
  c_.Label14 = item(c_.TabSheet5, IDC_Label14);
  c_.Label9 = item(c_.TabSheet5, IDC_Label9);
  c_.EmailLabel = item(c_.TabSheet5, IDC_EmailLabel);
  c_.Label10 = item(c_.TabSheet5, IDC_Label10);
  c_.StatusBar1 =
      CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, form_,
                      reinterpret_cast<HMENU>(IDC_StatusBar1), GetModuleHandleA(nullptr), nullptr);

  for (int page = 0; page < 4; ++page) {
    TCITEMA tab = {};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>(kPageCaptions[page]);
    SendMessageA(c_.PageControl1, TCM_INSERTITEMA, page, reinterpret_cast<LPARAM>(&tab));
  }
  FillBox(c_.cbbOldKey, OriginalKeyList());
  FillBox(c_.cbbNewKey, ChangedToList());
  // The Program box is narrow beside its check box; its list has room for long names.
  SendMessageA(c_.cbbProgram, CB_SETDROPPEDWIDTH, ScaledPixels(180), 0);
  MakeTSACombo(c_.cbbOldKey, *this);
  MakeTSACombo(c_.cbbNewKey, *this);
  MakeHotKeyField(c_.HotKey1);
  MakeHotKeyField(c_.HotKey2);
  SetUpMapList(c_.SwapKeyList, true);
  SetUpMapList(c_.RegListView, false);
  c_.RegListViewHint = AddHint(c_.RegListView, "Change here makes use of registry.");

  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(101));
  SendMessageA(c_.img1, STM_SETICON,
               reinterpret_cast<WPARAM>(icon ? icon : LoadIconA(nullptr, IDI_APPLICATION)), 0);
  boldFont_ = DerivedFont(c_.Label4, true, false);
  linkFont_ = DerivedFont(c_.Label14, false, true);
  SendMessageA(c_.Label4, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), FALSE);
  SendMessageA(c_.Label14, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_), FALSE);
  SendMessageA(c_.EmailLabel, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_), FALSE);
}

void MainWindow::LayOut() {
  // The pages fill the page control's display area; the window fits the panel and the bar.
  RECT area;
  GetWindowRect(c_.PageControl1, &area);
  MapWindowPoints(nullptr, panel_, reinterpret_cast<POINT*>(&area), 2);
  SendMessageA(c_.PageControl1, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  for (HWND page : {c_.TabSheet1, c_.TabSheet4, c_.TabSheet2, c_.TabSheet5}) {
    SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE);
  }
  ShowActivePage();
  FitListsToPages();

  // The second part reaches the right edge: it holds the note on the selected row.
  int edges[2] = {ScaledPixels(kStatusPanelWidth), -1};
  SendMessageA(c_.StatusBar1, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  RECT panel, bar;
  GetWindowRect(panel_, &panel);
  GetWindowRect(c_.StatusBar1, &bar);
  RECT frame = {0, 0, panel.right - panel.left,
                (panel.bottom - panel.top) + (bar.bottom - bar.top)};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(form_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(form_, GWL_EXSTYLE)));
  SetWindowPos(form_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(c_.StatusBar1, WM_SIZE, 0, 0);
}

void MainWindow::FitListsToPages() {
  RECT page, note, list;
  GetClientRect(c_.TabSheet1, &page);
  // The Keyboard Map's list keeps its place below the Program box.
  GetWindowRect(c_.SwapKeyList, &list);
  MapWindowPoints(nullptr, c_.TabSheet1, reinterpret_cast<POINT*>(&list), 2);
  SetWindowPos(c_.SwapKeyList, nullptr, 0, list.top, page.right, page.bottom - list.top,
               SWP_NOZORDER);
  FitDescriptionColumn(c_.SwapKeyList);
  // The Registry Map's note keeps its height under the list.
  GetWindowRect(c_.RegMapNote, &note);
  const int noteHeight = note.bottom - note.top;
  const int gap = noteHeight / 4;
  SetWindowPos(c_.RegListView, nullptr, 0, 0, page.right, page.bottom - noteHeight - gap,
               SWP_NOZORDER);
  SetWindowPos(c_.RegMapNote, nullptr, 0, page.bottom - noteHeight, page.right, noteHeight,
               SWP_NOZORDER);
}

void MainWindow::ShowActivePage() {
  const HWND pages[] = {c_.TabSheet1, c_.TabSheet4, c_.TabSheet2, c_.TabSheet5};
  const int active = static_cast<int>(ActivePage());
  for (int page = 0; page < 4; ++page) ShowWindow(pages[page], page == active ? SW_SHOW : SW_HIDE);
  // The buttons act on a mapping list: on "Settings" and "About" they would ask and do nothing.
  const bool mappingPage = active <= static_cast<int>(EditorPage::RegistryMap);
  for (HWND button : {c_.BitBtn8, c_.BitBtn9, c_.BitBtn10, c_.BitBtn3})
    ShowWindow(button, mappingPage ? SW_SHOW : SW_HIDE);
}

}  // namespace zv::win32
