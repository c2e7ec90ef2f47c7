#pragma once
// The two mapping lists (SwapKeyList, RegListView): report-view list views with the columns
// "         Original Key" and "Changed to", grid lines, whole-row selection and one selected
// row at most, whose vertical scroll bar is always shown. The Keyboard Map's list has a third
// column, "Does", that says what a parameterised target does (the Registry Map has none).
#include <windows.h>

#include "ui/mapping_editor_view.h"

namespace zv::win32 {

// Gives a list of the dialog template its extended styles and its columns (147 and 128 pixels at
// 96 DPI, scaled to the screen's), with "Does" when it describes its targets.
void SetUpMapList(HWND list, bool describes);
// "Does" takes the width the other columns leave in the list.
void FitDescriptionColumn(HWND list);

int MapListCount(HWND list);
// The last selected row; -1 when none is selected.
int MapListSelectedIndex(HWND list);
MapRow MapListRow(HWND list, int index);
void MapListAppend(HWND list, const MapRow& row);
void MapListDelete(HWND list, int index);
void MapListClear(HWND list);

// SwapKeyListCustomDraw, RegListViewCustomDraw: the bar is shown again whenever the list paints.
LRESULT MapListCustomDraw(HWND list);

// Pixels at 96 DPI to pixels on this screen.
int ScaledPixels(int pixels);

}  // namespace zv::win32
