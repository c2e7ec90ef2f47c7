// Upper-casing without linguistic rules (no LCMAP_LINGUISTIC_CASING) uses the system's file-name
// table, the one CompareStringOrdinal applies when it ignores case.
#include <windows.h>

#include "platform/program_names.h"
#include "platform/win32/win32_utf8.h"

namespace zv::platform {

std::string ProgramNameKey(const std::string& utf8) {
  std::wstring wide = win32::WideOf(utf8);
  if (wide.empty()) return utf8;
  int units = static_cast<int>(wide.size());
  std::wstring upper(wide.size(), L'\0');
  if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), units, &upper[0], units,
                    nullptr, nullptr, 0) != units)
    return utf8;
  return win32::Utf8Of(upper);
}

}  // namespace zv::platform
