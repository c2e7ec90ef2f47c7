// The end-to-end tests' notification area: a window of the shell's tray class "Shell_TrayWnd",
// started before the program, so Shell_NotifyIcon reaches it (Wine sends the icon's data with
// WM_COPYDATA to the first window of that class). It writes every icon operation to a log and
// carries out commands that the test script appends to a command file:
//   left | double | right            the mouse on the icon (its callback message)
//   taskbarcreated                   the broadcast of a restarted taskbar
//   post <class> <msg> <wp> <lp>     PostMessageA to the top-level window of that class
//   hotkey <mods> <vk>               whether that combination can be registered now
//   texts <title>                    the texts of that window's child controls ("_" for a
//                                    blank in the title)
//   press <title> <button text>      clicks that button of that window (BM_CLICK)
//   settext <title> <index> <text>   WM_SETTEXT to that window's index-th edit control
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/win32/wine_notify_data.h"

namespace {

using zv::testing_win32::Narrow;
using zv::testing_win32::NotifyData;

FILE* g_log = nullptr;
std::string g_commands;
std::size_t g_done = 0;  // command lines carried out
HWND g_icon = nullptr;
UINT g_iconId = 0, g_callback = 0;

void Log(const std::string& line) {
  std::fputs((line + "\n").c_str(), g_log);
  std::fflush(g_log);
}

void OnNotify(DWORD operation, const NotifyData& d) {
  static const char* const kNames[] = {"add", "modify", "delete", "setfocus", "setversion"};
  std::ostringstream line;
  line << (operation < 5 ? kNames[operation] : "other") << " id=" << d.uID;
  if (operation == NIM_ADD || operation == NIM_MODIFY) {
    if (d.uFlags & NIF_MESSAGE) {
      g_icon = reinterpret_cast<HWND>(static_cast<LONG_PTR>(d.hWnd));
      g_iconId = d.uID;
      g_callback = d.uCallbackMessage;
    }
    if (d.uFlags & NIF_ICON) line << " icon=" << d.width << "x" << d.height;
    if (d.uFlags & NIF_TIP) line << " tip=" << Narrow(d.szTip);
    if (d.uFlags & NIF_INFO) {
      line << " info=" << Narrow(d.szInfo) << "|title=" << Narrow(d.szInfoTitle)
           << "|timeout=" << d.uTimeout << "|flags=" << d.dwInfoFlags;
    }
  }
  Log(line.str());
}

void PostMouse(std::vector<UINT> messages) {
  for (UINT m : messages) PostMessageA(g_icon, g_callback, g_iconId, m);
}

BOOL CALLBACK CollectText(HWND child, LPARAM out) {
  char cls[64] = {}, text[512] = {};
  GetClassNameA(child, cls, sizeof cls);
  SendMessageA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  reinterpret_cast<std::vector<std::pair<std::string, HWND>>*>(out)->push_back(
      {std::string(cls) + ":" + text, child});
  return TRUE;
}

std::vector<std::pair<std::string, HWND>> Children(HWND window) {
  std::vector<std::pair<std::string, HWND>> all;
  EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&all));
  return all;
}

void Run(const std::string& line) {
  std::istringstream in(line);
  std::string verb;
  in >> verb;
  if (verb == "left") {
    PostMouse({WM_LBUTTONDOWN, WM_LBUTTONUP});
  } else if (verb == "double") {
    PostMouse({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
  } else if (verb == "right") {
    PostMouse({WM_RBUTTONDOWN, WM_RBUTTONUP});
  } else if (verb == "taskbarcreated") {
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  } else if (verb == "post") {
    std::string cls;
    unsigned long long msg = 0, wp = 0;
    long long lp = 0;
    in >> cls >> msg >> wp >> lp;
    HWND target = FindWindowA(cls.c_str(), nullptr);
    Log("posted " + line.substr(5) + (target ? "" : " (no window)"));
    PostMessageA(target, static_cast<UINT>(msg), wp, lp);
  } else if (verb == "hotkey") {
    unsigned mods = 0, vk = 0;
    in >> mods >> vk;
    bool free = RegisterHotKey(nullptr, 0x777, mods, vk) != 0;
    if (free) UnregisterHotKey(nullptr, 0x777);
    Log("hotkey " + std::to_string(mods) + " " + std::to_string(vk) + (free ? " free" : " taken"));
  } else {
    std::string title, rest;
    in >> std::ws;
    std::getline(in, rest);
    // The title is the first word, with "_" for a blank ("Save_As").
    std::size_t blank = rest.find(' ');
    title = rest.substr(0, blank);
    for (char& c : title) c = c == '_' ? ' ' : c;
    rest = blank == std::string::npos ? "" : rest.substr(blank + 1);
    HWND window = FindWindowA(nullptr, title.c_str());
    if (!window) {
      Log(verb + " " + title + ": no window");
      return;
    }
    std::vector<std::pair<std::string, HWND>> children = Children(window);
    if (verb == "texts") {
      std::string all;
      for (const auto& c : children) all += c.first + ";";
      Log("texts " + title + ": " + all);
    } else if (verb == "press") {
      for (const auto& c : children) {
        if (c.first == "Button:" + rest) {
          PostMessageA(c.second, BM_CLICK, 0, 0);
          Log("pressed " + rest);
          return;
        }
      }
      Log("press " + rest + ": no button");
    } else if (verb == "settext") {
      std::size_t blank2 = rest.find(' ');
      int index = std::stoi(rest.substr(0, blank2));
      std::string text = rest.substr(blank2 + 1);
      for (const auto& c : children) {
        if (c.first.rfind("Edit:", 0) == 0 && index-- == 0) {
          SendMessageA(c.second, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
          Log("set " + text);
          return;
        }
      }
      Log("settext: no edit");
    }
  }
}

void PollCommands() {
  std::ifstream in(g_commands);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  while (g_done < lines.size()) Run(lines[g_done++]);
}

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_COPYDATA) {
    auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    if (data->cbData >= sizeof(NotifyData)) {
      OnNotify(static_cast<DWORD>(data->dwData), *static_cast<const NotifyData*>(data->lpData));
    }
    return TRUE;
  }
  if (m == WM_TIMER) {
    PollCommands();
    return 0;
  }
  return DefWindowProcA(w, m, wp, lp);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  g_log = std::fopen(argv[1], "a");
  g_commands = argv[2];
  if (!g_log) return 2;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "Shell_TrayWnd";
  RegisterClassA(&wc);
  // Topmost, so it comes before any tray window of Wine's own in the window list.
  HWND w = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP, 0, 0, 1,
                           1, nullptr, nullptr, wc.hInstance, nullptr);
  SetTimer(w, 1, 100, nullptr);
  Log("ready");
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
