#pragma once
// The program's popup menus in one flat style: a plain background, a highlight bar, thin
// separators, check marks, submenu arrows, "&" accelerators underlined as the system's setting
// says, sizes from the screen's DPI. Every item stays a string item as well (MIIM_STRING with
// MFT_OWNERDRAW), so screen readers and keyboard mnemonics still read its caption.
#include <windows.h>

namespace zv::ui {

// Makes every item of menu and of its submenus owner-drawn. Run it again after items were
// added (WM_INITMENUPOPUP does), so they are painted like the others.
void MakeMenuFlat(HMENU menu);
// WM_MEASUREITEM and WM_DRAWITEM; false when the item is not one of a flat menu.
bool MeasureFlatMenuItem(HWND window, MEASUREITEMSTRUCT& item);
bool DrawFlatMenuItem(const DRAWITEMSTRUCT& item);
// The three messages above for a window procedure; true when handled.
bool HandleFlatMenuMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace zv::ui
