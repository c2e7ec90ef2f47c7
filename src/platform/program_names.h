#pragma once
// Program names compare as Windows compares file names: CompareStringOrdinal with bIgnoreCase,
// which upper-cases both names with the system's table and then compares them unit by unit.
// "Ärger.exe" and "ÄRGER.EXE" are one program; ASCII folding alone would make them two.
//
// The Windows build asks the system (zv_program_names links the one implementation that fits
// the build); native tests fold ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic letters as
// the system's table does.
#include <string>

namespace zv::platform {

// The UTF-8 name with every letter upper-cased as the ordinal comparison does: two names are the
// same program exactly when their keys are equal, and keys sort as the comparison orders them.
std::string ProgramNameKey(const std::string& utf8);

}  // namespace zv::platform
