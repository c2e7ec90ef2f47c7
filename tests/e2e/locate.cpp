// Where a control of the running program's main window is on the screen, for clicks made with
// xdotool: prints "x y" of a point inside the control with the given id, or nothing when the
// window or the control is not there. Usage: zv_locate <control id> [x fraction]
// or zv_locate list <item>: a point on that item of the open drop-down list of a combo box,
// scrolled into view first (the list may open above or below its box, scrolled anywhere),
// or zv_locate hotkey <control id>: the value of that hotkey field (HKM_GETHOTKEY),
// or zv_locate idle: returns once the main window's thread takes messages again.
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

// The open drop-down list is a top-level window of class "ComboLBox". Only messages without
// pointers are used: they are the ones that cross processes.
int LocateListItem(int item) {
  HWND list = nullptr;  // every combo box has one; the open one is visible
  do {
    list = FindWindowExA(nullptr, list, "ComboLBox", nullptr);
  } while (list != nullptr && !IsWindowVisible(list));
  if (list == nullptr) return 1;
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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  if (argc > 2 && std::strcmp(argv[1], "list") == 0) return LocateListItem(std::atoi(argv[2]));
  if (std::strcmp(argv[1], "idle") == 0) {
    // Without a window manager, Wine's thread waits a while for each window it hides.
    DWORD_PTR answer = 0;
    HWND form = FindWindowA("TMainForm", nullptr);
    return form && SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer) ? 0 : 1;
  }
  const bool value = argc > 2 && std::strcmp(argv[1], "hotkey") == 0;
  if (value) ++argv, --argc;
  // The point's place across the control: a combo box is clicked in its field, left of its
  // drop-down button.
  const double across = argc > 2 ? std::atof(argv[2]) : 0.5;
  HWND form = FindWindowA("TMainForm", nullptr);
  if (form == nullptr) return 1;
  Search search = {std::atoi(argv[1]), nullptr};
  EnumChildWindows(form, &Visit, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return 1;
  if (value) {
    std::printf("%ld\n", static_cast<long>(SendMessageA(search.found, HKM_GETHOTKEY, 0, 0)));
    return 0;
  }
  RECT r;
  GetWindowRect(search.found, &r);
  const int x = r.left + static_cast<int>((r.right - r.left) * across);
  const int y = r.top + 8 < r.bottom ? r.top + 8 : (r.top + r.bottom) / 2;
  std::printf("%d %d\n", x, y);
  return 0;
}
