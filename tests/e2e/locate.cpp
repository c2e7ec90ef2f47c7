// Where a control of the running program's main window is on the screen, for clicks made with
// xdotool: prints "x y" of a point inside the control with the given id, or nothing when the
// window or the control is not there. Usage: zv_locate <control id> [x fraction]
// or zv_locate list <item>: a point on that item of the open drop-down list of a combo box,
// scrolled into view first (the list may open above or below its box, scrolled anywhere),
// or zv_locate tab <index>: a point on that tab of the page control,
// or zv_locate hotkey <control id>: the value of that hotkey field (HKM_GETHOTKEY) in decimal.
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

HWND Control(int id) {
  HWND form = FindWindowA("TMainForm", nullptr);
  if (form == nullptr) return nullptr;
  Search search = {id, nullptr};
  EnumChildWindows(form, &Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The tab's rectangle is written into the program's own memory, then read from there.
int LocateTab(int index) {
  HWND tabs = Control(2001);  // the page control
  DWORD pid = 0;
  GetWindowThreadProcessId(tabs, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pid);
  if (tabs == nullptr || process == nullptr) return 1;
  void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  RECT r = {};
  const bool found = remote != nullptr &&
                     SendMessageA(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote)) &&
                     ReadProcessMemory(process, remote, &r, sizeof r, nullptr);
  if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  if (!found) return 1;
  MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&r), 2);
  std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  if (argc > 2 && std::strcmp(argv[1], "list") == 0) return LocateListItem(std::atoi(argv[2]));
  if (argc > 2 && std::strcmp(argv[1], "tab") == 0) return LocateTab(std::atoi(argv[2]));
  if (argc > 2 && std::strcmp(argv[1], "hotkey") == 0) {
    HWND field = Control(std::atoi(argv[2]));
    if (field == nullptr) return 1;
    std::printf("%ld\n", static_cast<long>(SendMessageA(field, HKM_GETHOTKEY, 0, 0)));
    return 0;
  }
  // The point's place across the control: a combo box is clicked in its field, left of its
  // drop-down button.
  const double across = argc > 2 ? std::atof(argv[2]) : 0.5;
  HWND control = Control(std::atoi(argv[1]));
  if (control == nullptr) return 1;
  RECT r;
  GetWindowRect(control, &r);
  const int x = r.left + static_cast<int>((r.right - r.left) * across);
  const int y = r.top + 8 < r.bottom ? r.top + 8 : (r.top + r.bottom) / 2;
  std::printf("%d %d\n", x, y);
  return 0;
}
