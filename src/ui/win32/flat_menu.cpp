#include "ui/win32/flat_menu.h"

#include <cstdint>
#include <string>

namespace zv::ui {

namespace {

// The item data of a flat item: a mark, the menu's handle (32 significant bits, as every
// USER handle) and the item's position.
constexpr std::uint64_t kMark = 0x5A00000000000000ull;
constexpr std::uint64_t kMarkMask = 0xFF00000000000000ull;

ULONG_PTR Encode(HMENU menu, int position) {
  auto handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(menu));
  return static_cast<ULONG_PTR>(kMark | (std::uint64_t{handle} << 16) |
                                static_cast<std::uint16_t>(position));
}

bool Decode(ULONG_PTR data, HMENU& menu, int& position) {
  auto value = static_cast<std::uint64_t>(data);
  if ((value & kMarkMask) != kMark) return false;
  auto handle = static_cast<std::int32_t>((value >> 16) & 0xFFFFFFFFu);
  menu = reinterpret_cast<HMENU>(static_cast<std::intptr_t>(handle));
  position = static_cast<int>(value & 0xFFFF);
  return true;
}

struct ItemInfo {
  std::string caption;
  bool separator = false;
  bool checked = false;
  bool submenu = false;
};

ItemInfo Describe(HMENU menu, int position) {
  ItemInfo info;
  char text[512] = {};
  MENUITEMINFOA mii = {};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
  mii.dwTypeData = text;
  mii.cch = sizeof text;
  if (!GetMenuItemInfoA(menu, position, TRUE, &mii)) return info;
  info.caption = text;
  info.separator = (mii.fType & MFT_SEPARATOR) != 0;
  info.checked = (mii.fState & MFS_CHECKED) != 0;
  info.submenu = mii.hSubMenu != nullptr;
  return info;
}

int Scale(HDC dc, int pixels) {
  return MulDiv(pixels, GetDeviceCaps(dc, LOGPIXELSY), 96);
}

HFONT MenuFont(HDC dc) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTA font = metrics.lfMenuFont;
  if (font.lfHeight == 0) font.lfHeight = -Scale(dc, 12);
  return CreateFontIndirectA(&font);
}

// Symbols are drawn, not taken from a symbol font: not every system has one.
void DrawCheckMark(HDC dc, RECT box, COLORREF color) {
  int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2, u = Scale(dc, 3);
  POINT points[] = {{cx - u - u / 2, cy}, {cx - u / 2, cy + u}, {cx + u + u / 2, cy - u - u / 3}};
  HPEN pen = CreatePen(PS_SOLID, Scale(dc, 2), color);
  HGDIOBJ old = SelectObject(dc, pen);
  Polyline(dc, points, 3);
  SelectObject(dc, old);
  DeleteObject(pen);
}

void DrawSubmenuArrow(HDC dc, RECT box, COLORREF color) {
  int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2, u = Scale(dc, 4);
  POINT points[] = {{cx - u / 2, cy - u}, {cx + u / 2, cy}, {cx - u / 2, cy + u}};
  HBRUSH brush = CreateSolidBrush(color);
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  Polygon(dc, points, 3);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

}  // namespace

void MakeMenuFlat(HMENU menu) {
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[512] = {};
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    mii.dwTypeData = text;
    mii.cch = sizeof text;
    if (!GetMenuItemInfoA(menu, i, TRUE, &mii)) continue;
    if (mii.hSubMenu) MakeMenuFlat(mii.hSubMenu);
    MENUITEMINFOA flat = {};
    flat.cbSize = sizeof flat;
    flat.fMask = MIIM_FTYPE | MIIM_DATA;
    flat.fType = mii.fType | MFT_OWNERDRAW;
    flat.dwItemData = Encode(menu, i);
    if (!(mii.fType & MFT_SEPARATOR)) {
      flat.fMask |= MIIM_STRING;  // the caption stays the item's string
      flat.dwTypeData = text;
    }
    SetMenuItemInfoA(menu, i, TRUE, &flat);
  }
}

bool MeasureFlatMenuItem(HWND window, MEASUREITEMSTRUCT& item) {
  HMENU menu;
  int position;
  if (item.CtlType != ODT_MENU || !Decode(item.itemData, menu, position)) return false;
  ItemInfo info = Describe(menu, position);
  HDC dc = GetDC(window);
  if (info.separator) {
    item.itemWidth = Scale(dc, 40);
    item.itemHeight = Scale(dc, 7);
  } else {
    HFONT font = MenuFont(dc);
    HGDIOBJ old = SelectObject(dc, font);
    RECT text = {0, 0, 0, 0};
    DrawTextA(dc, info.caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
    SelectObject(dc, old);
    DeleteObject(font);
    // Gutter for the check mark, the caption, room for the submenu arrow.
    item.itemWidth = Scale(dc, 28) + (text.right - text.left) + Scale(dc, 28);
    int height = (text.bottom - text.top) + Scale(dc, 8);
    item.itemHeight = height > Scale(dc, 22) ? height : Scale(dc, 22);
  }
  ReleaseDC(window, dc);
  return true;
}

bool DrawFlatMenuItem(const DRAWITEMSTRUCT& item) {
  HMENU menu;
  int position;
  if (item.CtlType != ODT_MENU || !Decode(item.itemData, menu, position)) return false;
  ItemInfo info = Describe(menu, position);
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  HBRUSH background = GetSysColorBrush(COLOR_WINDOW);
  FillRect(dc, &r, background);
  int gutter = Scale(dc, 28);
  if (info.separator) {
    RECT line = {r.left + gutter, (r.top + r.bottom) / 2, r.right - Scale(dc, 4), 0};
    line.bottom = line.top + (Scale(dc, 1) > 0 ? Scale(dc, 1) : 1);
    FillRect(dc, &line, GetSysColorBrush(COLOR_3DSHADOW));
    return true;
  }
  bool grayed = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  bool selected = (item.itemState & ODS_SELECTED) != 0 && !grayed;
  if (selected) {
    RECT bar = {r.left + Scale(dc, 2), r.top + Scale(dc, 1), r.right - Scale(dc, 2),
                r.bottom - Scale(dc, 1)};
    FillRect(dc, &bar, GetSysColorBrush(COLOR_HIGHLIGHT));
  }
  SetBkMode(dc, TRANSPARENT);
  COLORREF ink = GetSysColor(grayed     ? COLOR_GRAYTEXT
                             : selected ? COLOR_HIGHLIGHTTEXT
                                        : COLOR_MENUTEXT);
  SetTextColor(dc, ink);
  if (info.checked) DrawCheckMark(dc, {r.left, r.top, r.left + gutter, r.bottom}, ink);
  HFONT font = MenuFont(dc);
  HGDIOBJ old = SelectObject(dc, font);
  RECT text = {r.left + gutter, r.top, r.right - Scale(dc, 24), r.bottom};
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
  if (item.itemState & ODS_NOACCEL) format |= DT_HIDEPREFIX;  // underlines only when the
  DrawTextA(dc, info.caption.c_str(), -1, &text, format);     // system shows them
  SelectObject(dc, old);
  DeleteObject(font);
  if (info.submenu) {
    DrawSubmenuArrow(dc, {r.right - Scale(dc, 24), r.top, r.right, r.bottom}, ink);
    // The system paints its own arrow after this; the item is finished already.
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
  return true;
}

bool HandleFlatMenuMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITMENUPOPUP:
      MakeMenuFlat(reinterpret_cast<HMENU>(wParam));
      return false;  // the window may want it as well
    case WM_MEASUREITEM:
      return wParam == 0 &&
             MeasureFlatMenuItem(window, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
      return wParam == 0 && DrawFlatMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  }
  return false;
}

}  // namespace zv::ui
