// A hook library that reads the tray menu from inside the program, where Wine lets menus be
// read: a global WH_CALLWNDPROC hook sees WM_INITMENUPOPUP and WM_ENTERIDLE sent to the
// program's windows and writes each opened menu's items (caption, kind, owner-drawn, checked)
// and, once it is on screen, their places, to menu_spy.txt beside the library.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HINSTANCE g_module = nullptr;
HMENU g_lastMenu = nullptr;
HMENU g_placed = nullptr;

void Write(const std::string& text) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(g_module, path, MAX_PATH);
  std::string file(path);
  file = file.substr(0, file.find_last_of('\\') + 1) + "menu_spy.txt";
  if (FILE* f = std::fopen(file.c_str(), "a")) {
    std::fputs(text.c_str(), f);
    std::fclose(f);
  }
}

void Dump(HMENU menu) {
  std::string out = "menu " + std::to_string(GetMenuItemCount(menu)) + "\n";
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[256] = {};
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU | MIIM_ID;
    mii.dwTypeData = text;
    mii.cch = sizeof text;
    GetMenuItemInfoA(menu, i, TRUE, &mii);
    out += "item " + std::to_string(i) + " ";
    out += (mii.fType & MFT_SEPARATOR) ? "-" : text;
    if (mii.fType & MFT_OWNERDRAW) out += " [owner]";
    if (mii.fState & MFS_CHECKED) out += " [checked]";
    if (mii.hSubMenu) out += " [popup]";
    out += "\n";
  }
  Write(out);
}

void Place(HMENU menu) {
  std::string out;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    RECT r;
    if (!GetMenuItemRect(nullptr, menu, i, &r)) continue;
    out += "rect " + std::to_string(i) + " " + std::to_string((r.left + r.right) / 2) + " " +
           std::to_string((r.top + r.bottom) / 2) + "\n";
  }
  Write(out + "placed\n");
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK SpyProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const CWPSTRUCT* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
    char cls[64] = {};
    GetClassNameA(m->hwnd, cls, sizeof cls);
    if (std::string(cls) == "TMainForm") {
      if (m->message == WM_INITMENUPOPUP) {
        g_lastMenu = reinterpret_cast<HMENU>(m->wParam);
        g_placed = nullptr;
        Dump(g_lastMenu);
      } else if (m->message == WM_ENTERIDLE && m->wParam == MSGF_MENU && g_lastMenu &&
                 g_lastMenu != g_placed) {
        g_placed = g_lastMenu;  // once per opened menu
        Place(g_lastMenu);
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = module;
  return TRUE;
}
