// Where a control of the running program's main window is on the screen, for clicks made with
// xdotool: prints "x y" of a point inside the control with the given id, or nothing when the
// window or the control is not there. Usage: zv_locate <control id> [x fraction]
// or zv_locate list <item>: a point on that item of the open drop-down list of a combo box,
// scrolled into view first (the list may open above or below its box, scrolled anywhere),
// or zv_locate item <text>: the same for the item with that text of a shown dialog's list box,
// or zv_locate idle: returns once the main window's thread takes messages again.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Search {
  int id;
  HWND found;
};

BOOL CALLBACK Visit(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (GetDlgCtrlID(child) != search->id || !IsWindowVisible(child)) return TRUE;
  search->found = child;
  return FALSE;
}

// A point on the item of a list box, scrolled into view first. Only messages without pointers
// are used: they are the ones that cross processes.
int LocateItemOf(HWND list, int item) {
  if (list == nullptr || item < 0) return 1;
  SendMessageA(list, LB_SETTOPINDEX, item, 0);
  const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  if (top < 0 || height <= 0) return 1;
  RECT r;
  GetWindowRect(list, &r);
  std::printf("%ld %ld\n", r.left + (r.right - r.left) / 3,
              r.top + GetSystemMetrics(SM_CYBORDER) + (item - top) * height + height / 2);
  return 0;
}

// The open drop-down list is a top-level window of class "ComboLBox".
int LocateListItem(int item) {
  HWND list = nullptr;  // every combo box has one; the open one is visible
  do {
    list = FindWindowExA(nullptr, list, "ComboLBox", nullptr);
  } while (list != nullptr && !IsWindowVisible(list));
  return LocateItemOf(list, item);
}

struct ItemSearch {
  std::wstring text;
  HWND list;
  int item;
};

BOOL CALLBACK VisitList(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ItemSearch*>(data);
  wchar_t name[16] = {};
  GetClassNameW(child, name, 16);
  if (lstrcmpiW(name, L"ListBox") != 0 || !IsWindowVisible(child)) return TRUE;
  // Only the wide message carries the text across processes whole.
  const LRESULT item = SendMessageW(child, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(search->text.c_str()));
  if (item == LB_ERR) return TRUE;
  search->list = child;
  search->item = static_cast<int>(item);
  return FALSE;
}

BOOL CALLBACK VisitDialog(HWND window, LPARAM data) {
  if (IsWindowVisible(window)) EnumChildWindows(window, &VisitList, data);
  return reinterpret_cast<ItemSearch*>(data)->list == nullptr;
}

int LocateNamedItem(const char* text) {
  ItemSearch search = {std::wstring(text, text + std::strlen(text)), nullptr, -1};
  EnumWindows(&VisitDialog, reinterpret_cast<LPARAM>(&search));
  return LocateItemOf(search.list, search.item);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  if (argc > 2 && std::strcmp(argv[1], "list") == 0) return LocateListItem(std::atoi(argv[2]));
  if (argc > 2 && std::strcmp(argv[1], "item") == 0) return LocateNamedItem(argv[2]);
  if (std::strcmp(argv[1], "idle") == 0) {
    // Without a window manager, Wine's thread waits a while for each window it hides.
    HWND form = FindWindowA("TMainForm", nullptr);
    DWORD_PTR answer = 0;
    return form != nullptr && SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_NORMAL, 30000,
                                                  &answer) != 0
               ? 0
               : 1;
  }
  // The point's place across the control: a combo box is clicked in its field, left of its
  // drop-down button.
  const double across = argc > 2 ? std::atof(argv[2]) : 0.5;
  HWND form = FindWindowA("TMainForm", nullptr);
  if (form == nullptr) return 1;
  Search search = {std::atoi(argv[1]), nullptr};
  EnumChildWindows(form, &Visit, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return 1;
  RECT r;
  GetWindowRect(search.found, &r);
  const int x = r.left + static_cast<int>((r.right - r.left) * across);
  const int y = r.top + 8 < r.bottom ? r.top + 8 : (r.top + r.bottom) / 2;
  std::printf("%d %d\n", x, y);
  return 0;
}
