#include "ui/win32/map_list.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

namespace zv::win32 {
namespace {

std::string ItemText(HWND list, int index, int column) {
  char buffer[512] = {};
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  SendMessageA(list, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
  return buffer;
}

void AddColumn(HWND list, int index, const char* caption, int width, int format) {
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.fmt = format;
  column.cx = ScaledPixels(width);
  column.pszText = const_cast<char*>(caption);
  SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

}  // namespace

int ScaledPixels(int pixels) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return MulDiv(pixels, dpi, 96);
}

void SetUpMapList(HWND list, bool describes) {
  const DWORD extended = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  // Captions are read-only: the template gives no LVS_EDITLABELS.
  AddColumn(list, 0, "         Original Key", 147, LVCFMT_LEFT);
  AddColumn(list, 1, "Changed to", 128, LVCFMT_CENTER);
  if (describes) AddColumn(list, 2, "Does", 0, LVCFMT_LEFT);
  ShowScrollBar(list, SB_VERT, TRUE);
}

void FitDescriptionColumn(HWND list) {
  RECT client;
  GetClientRect(list, &client);
  const int taken = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0) +
                                     SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0));
  SendMessageA(list, LVM_SETCOLUMNWIDTH, 2, std::max<int>(client.right - taken, ScaledPixels(60)));
}

int MapListCount(HWND list) {
  return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

int MapListSelectedIndex(HWND list) {
  int last = -1;
  for (int at = -1;;) {
    at = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, at, LVNI_SELECTED));
    if (at < 0) return last;
    last = at;
  }
}

MapRow MapListRow(HWND list, int index) {
  return {ItemText(list, index, 0), ItemText(list, index, 1), ItemText(list, index, 2)};
}

void MapListAppend(HWND list, const MapRow& row) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = MapListCount(list);
  item.pszText = const_cast<char*>(row.caption.c_str());
  const int index =
      static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  for (const auto& [column, text] : {std::pair{1, &row.target}, std::pair{2, &row.does}}) {
    LVITEMA sub = {};
    sub.iSubItem = column;
    sub.pszText = const_cast<char*>(text->c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&sub));
  }
}

void MapListDelete(HWND list, int index) {
  SendMessageA(list, LVM_DELETEITEM, index, 0);
}

void MapListClear(HWND list) {
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
}

LRESULT MapListCustomDraw(HWND list) {
  ShowScrollBar(list, SB_VERT, TRUE);
  return CDRF_DODEFAULT;
}

}  // namespace zv::win32
