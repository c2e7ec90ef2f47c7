#pragma once
// What Wine's Shell_NotifyIcon sends with WM_COPYDATA (dwData: the NIM_ operation) to the
// window of class "Shell_TrayWnd": the icon's data in a layout of its own, followed by the
// icon's bitmaps. Tests stand in for the notification area with such a window.
#include <windows.h>

#include <string>

namespace zv::testing_win32 {

struct NotifyData {
  LONG hWnd;
  UINT uID;
  UINT uFlags;
  UINT uCallbackMessage;
  WCHAR szTip[128];
  DWORD dwState;
  DWORD dwStateMask;
  WCHAR szInfo[256];
  UINT uTimeout;
  WCHAR szInfoTitle[64];
  DWORD dwInfoFlags;
  GUID guidItem;
  UINT width, height, planes, bpp;
};

inline std::string Narrow(const WCHAR* text) {
  char out[512] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, out, sizeof out - 1, nullptr, nullptr);
  return out;
}

}  // namespace zv::testing_win32
