// Where a control of the running program's main window is on the screen, for clicks made with
// xdotool: prints "x y" of a point inside the control with the given id, or nothing when the
// window or the control is not there. Usage: zv_locate <control id> [x fraction]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
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
