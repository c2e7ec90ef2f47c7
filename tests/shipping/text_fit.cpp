// Finds clipped text in another program's window: every label, button, check box and group
// box below the top-level window of a given class is measured in its own font and compared
// with the room the control gives it. Prints one line per control and exits with the number
// of controls whose text does not fit (2 when no window was found).
// Usage: text_fit.exe WINDOW_CLASS
// Built with the program's manifest, so it measures in the same physical pixels as the program.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Survey {
  int measured = 0;
  int clipped = 0;
};

std::string ClassOf(HWND control) {
  char name[64] = {};
  GetClassNameA(control, name, sizeof name);
  return name;
}

std::string TextOf(HWND control) {
  char text[512] = {};
  // WM_GETTEXT crosses processes; GetWindowText would not ask the other program.
  SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  return text;
}

// The control's own font. A font handle of another process is not ours to select, so it is
// rebuilt from its description; without one, the dialog font at the screen's DPI.
HFONT FontOf(HWND control, HDC dc) {
  LOGFONTA font = {};
  auto handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  if (!handle || !GetObjectA(handle, sizeof font, &font)) {
    font.lfHeight = -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72);
    lstrcpyA(font.lfFaceName, "Tahoma");
  }
  return CreateFontIndirectA(&font);
}

// The room the text gets inside the control, by its kind; empty when the control shows no text
// of its own (frames, icons, edit fields, lists).
bool TextRoom(HWND control, HDC dc, RECT* room, UINT* format) {
  std::string kind = ClassOf(control);
  LONG style = GetWindowLongA(control, GWL_STYLE);
  GetClientRect(control, room);
  *format = DT_CALCRECT;
  if (lstrcmpiA(kind.c_str(), "Static") == 0) {
    LONG type = style & SS_TYPEMASK;
    if (type > SS_RIGHT && type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE) return false;
    if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE)
      *format |= DT_SINGLELINE;
    else
      *format |= DT_WORDBREAK;
    return true;
  }
  if (lstrcmpiA(kind.c_str(), "Button") == 0) {
    LONG type = style & BS_TYPEMASK;
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    *format |= DT_SINGLELINE;
    if (type == BS_GROUPBOX) {
      room->left += MulDiv(8, dpi, 96);
      room->right -= MulDiv(8, dpi, 96);
    } else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
               type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE) {
      room->left += MulDiv(13 + 4, dpi, 96);  // the box and the gap after it
    } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
      InflateRect(room, -MulDiv(3, dpi, 96), -MulDiv(3, dpi, 96));
    } else {
      return false;
    }
    return true;
  }
  return false;
}

void Measure(HWND control, Survey& survey) {
  std::string text = TextOf(control);
  if (text.find_first_not_of(' ') == std::string::npos) return;
  HDC dc = GetDC(control);
  RECT room;
  UINT format;
  if (TextRoom(control, dc, &room, &format)) {
    HFONT font = FontOf(control, dc);
    HGDIOBJ old = SelectObject(dc, font);
    RECT need = {0, 0, room.right - room.left, 0};
    DrawTextA(dc, text.c_str(), -1, &need, format);
    SelectObject(dc, old);
    DeleteObject(font);
    bool fits = need.right <= room.right - room.left && need.bottom <= room.bottom - room.top;
    std::printf("%s %s \"%s\": needs %ldx%ld, has %ldx%ld\n", fits ? "ok" : "CLIPPED",
                ClassOf(control).c_str(), text.c_str(), need.right, need.bottom,
                room.right - room.left, room.bottom - room.top);
    ++survey.measured;
    if (!fits) ++survey.clipped;
  }
  ReleaseDC(control, dc);
}

BOOL CALLBACK EachChild(HWND control, LPARAM survey) {
  Measure(control, *reinterpret_cast<Survey*>(survey));
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  HWND window = FindWindowA(argv[1], nullptr);
  if (!window) {
    std::printf("no window of class %s\n", argv[1]);
    return 2;
  }
  Survey survey;
  EnumChildWindows(window, EachChild, reinterpret_cast<LPARAM>(&survey));
  HDC screen = GetDC(nullptr);
  std::printf("%d controls measured at %d DPI, %d clipped\n", survey.measured,
              GetDeviceCaps(screen, LOGPIXELSY), survey.clipped);
  ReleaseDC(nullptr, screen);
  return survey.measured == 0 ? 2 : survey.clipped;
}
