#pragma once
// Writing and removing mappings so that the settings file stays consistent: "SwapKey" and
// "SwapScrKeyCode" of the source key, the numbered parameter sections with their counts in
// "Settings", and the intercepted-code list in "DisableKey" that the keyboard hook reads.
// Each operation does its reads and writes in a fixed order; when one fails (zv::Error), the
// writes before it stay.
//
// Mappings for one program live in "SwapKey <exe>" and "SwapScrKeyCode <exe>" (the executable's
// file name, letter case and blanks around it ignored; each operation first renames such a
// hand-written section to this form); the program "" means all programs and uses the plain
// sections. The parameter sections ("TypeText2") are numbered once for all programs, and the
// intercepted-code list holds every code that a mapping of any program needs: each operation
// rebuilds it from the source keys of every "SwapKey" section (the code in "SwapScrKeyCode", or
// the code of the name for a hand-written mapping without one). "Programs"
// "<exe>" = "Off" switches every mapping off while that program has the focus. A file without
// mappings for one program is written exactly as before there were any.
#include <string>
#include <vector>

#include "catalogue/key_catalogue.h"  // kUnchangedTarget
#include "settings/ini_document.h"
#include "settings/settings_file.h"

namespace zv {

// Why a shortcut is no source in a layer.
inline constexpr const char* kLayerShortcutRefusal =
    "A layer changes single keys: untick the modifier boxes to change a key there.";
// The program argument that stands for the layer name ("|" never occurs in a file name).
std::string LayerScope(const std::string& layer);
bool IsLayerScope(const std::string& program);
// The layers of the document, by name, in file order ("[Layer Nav]" gives "Nav").
std::vector<std::string> Layers(const IniDocument& doc);

// "SwapKey" or "SwapKey <program>" ("Layer <name>" for a layer); "SwapScrKeyCode" or
// "SwapScrKeyCode <program>".
std::string SwapKeySection(const std::string& program);
std::string SwapScrKeyCodeSection(const std::string& program);
// The form under which two spellings of one program's name compare equal: upper-cased as
// Windows compares file names (platform/program_names.h).
std::string ProgramKey(const std::string& program);
// The "SwapKey" section of program as the document names it ("SwapKey  app.exe" written by
// hand), or SwapKeySection(program) when it has none.
std::string SwapKeySectionIn(const IniDocument& doc, const std::string& program);
// The file name part of a path ("C:\Tools\Edit.exe" gives "Edit.exe"); a bare name as it is.
std::string ProgramNameOfPath(const std::string& pathOrName);

// Shortcut sources ("Ctrl+Shift+V", IsShortcutSource) live in "SwapShortcut" and
// "SwapShortcut <exe>" under their canonical name (ShortcutNameOf), with no "SwapScrKeyCode"
// entry and no intercepted code (the engine's shortcut tables find their keys). Their targets
// share the parameter numbering with every "SwapKey" section. A name there that cannot be read
// is left as it stands; removing it by that name still works.
std::string ShortcutSection(const std::string& program);
std::string ShortcutSectionIn(const IniDocument& doc, const std::string& program);
// Whether source reads as a shortcut: modifier words and a key.
bool IsShortcutSource(const std::string& source);

// "SwapKey" source = value, then "SwapScrKeyCode" source = code (of the program's sections).
void WriteSwapKey(SettingsFile& file, const std::string& source, const std::string& value, int code,
                  const std::string& program = "");

// Stores source changed to target (a plain "Changed to" name, or kUnchangedTarget for a program)
// for program; a parameterised target gets the next parameter section, holding parameter (" "
// for targets without one), written so that it reads back exactly (in quotes when it has blanks
// or quotes at its ends). A parameter longer than IniDocument::kMaxValueLength would read back
// cut and is refused (zv::Error) before anything is written, and so is a shortcut source in a
// layer. Returns true.
bool StoreMapping(SettingsFile& file, const std::string& source, const std::string& target,
                  const std::string& parameter, const std::string& program = "");

// Removes the mapping of source for program; the last parameter section of its action moves
// into the hole, and every program's reference to that last section follows it. The key's code
// leaves the intercepted list unless another program's mappings still use it. A key without a
// mapping changes nothing.
void RemoveMapping(SettingsFile& file, const std::string& source, const std::string& program = "");
// Removes every mapping of one program and its sections (Reset All with a program chosen). The
// "Programs" entry stays.
void RemoveProgramMappings(SettingsFile& file, const std::string& program);

// The programs that have a "SwapKey <program>" section or a "Programs" entry, in file order,
// each once, spelt as first found.
std::vector<std::string> ProgramsWithMappings(const IniDocument& doc);
// Whether "Programs" program = "Off".
bool ProgramOff(const IniDocument& doc, const std::string& program);
// off writes program = "Off"; otherwise the entry goes, and an empty "Programs" section with it.
void SetProgramOff(SettingsFile& file, const std::string& program, bool off);

// Strict "Settings" action + "Count".
int ParameterCount(SettingsFile& file, const std::string& action);

// Copies every key of section from into section to (file order), values as they stand in the
// file (quotes kept, never cut), then erases from. When both name the same section, the
// section is gone afterwards.
void MoveSection(SettingsFile& file, const std::string& from, const std::string& to);

// Points the values of every program's "SwapKey" section that name the last parameter section
// of action (its number is the current count) at section number n instead.
void RenumberReferences(SettingsFile& file, const std::string& action, int n);

// The intercepted-code list: "DisableKey" "Index" = N and KeyCode1..KeyCodeN, each code once.
// The mapping operations rebuild it themselves; these change single codes.
void AddInterceptedCode(SettingsFile& file, int code);
void RemoveInterceptedCode(SettingsFile& file, int code);
bool IsInterceptedCode(SettingsFile& file, int code);
bool IsInterceptedCode(const IniDocument& doc, int code);
// n for a "DisableKey" key named "KeyCode<n>" (any letter case, n written without leading
// zeros, as the list's own entries are), else 0.
int KeyCodeNumber(const std::string& key);
// The values of every "DisableKey" key but "Index" and "TempCode" (any letter case), in file
// order.
std::vector<std::string> InterceptedCodes(SettingsFile& file);
std::vector<std::string> InterceptedCodes(const IniDocument& doc);

}  // namespace zv
