#include "settings/mapping_store.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>

#include "catalogue/key_catalogue.h"
#include "catalogue/shortcut_name.h"
#include "catalogue/source_key_names.h"
#include "common/error.h"
#include "platform/program_names.h"
#include "settings/ini_text.h"

namespace zv {
namespace {
const char* const kSwapKey = "SwapKey";
const char* const kSwapScrKeyCode = "SwapScrKeyCode";
const char* const kSwapShortcut = "SwapShortcut";
const char* const kDisableKey = "DisableKey";
const char* const kIndex = "Index";
const char* const kSettings = "Settings";
const char* const kPrograms = "Programs";
const char* const kOff = "Off";
const char* const kLayer = "Layer ";
const char kLayerMark = '|';

std::string CountKey(const std::string& action) {
  return action + "Count";
}
// The number after a count read from the file. A hand-edited count at the largest number has
// no next one: the store is refused rather than numbered past it.
int NextNumber(SettingsFile& file, int count) {
  if (count == std::numeric_limits<int>::max())
    throw Error(FormatMessage("Unable to write to %s", file.path()));
  return count + 1;
}
std::string KeyCodeKey(int number) {
  return "KeyCode" + std::to_string(number);
}
bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The program named by a section "<prefix> <program>", blanks around the name ignored (a
// hand-written "[SwapKey  app.exe]" names app.exe), or empty for any other section.
std::string ProgramOfSection(const std::string& section, const std::string& prefix) {
  if (section.size() <= prefix.size() + 1 || !ini::IsBlank(section[prefix.size()])) return "";
  if (!SameName(section.substr(0, prefix.size()), prefix)) return "";
  return ini::Trim(section.substr(prefix.size()));
}

// The section that holds prefix's entries for program as it is named in the file, or its
// normal form when the file has none.
std::string ProgramSectionIn(const IniDocument& doc, const std::string& prefix,
                             const std::string& program) {
  for (const std::string& section : doc.ReadSections())
    if (!program.empty() && SameName(ProgramOfSection(section, prefix), program)) return section;
  return program.empty() ? prefix : prefix + " " + program;
}

// Renames every program section written with other blanks than "<prefix> <program>" to that
// form, so the store's reads and writes meet it under its normal name.
void NormalizeProgramSections(SettingsFile& file) {
  for (const std::string& section : file.ReadSections()) {
    for (const char* prefix : {kSwapKey, kSwapScrKeyCode, kSwapShortcut}) {
      std::string program = ProgramOfSection(section, prefix);
      std::string normal = std::string(prefix) + " " + program;
      if (!program.empty() && ini::Fold(section) != ini::Fold(normal))
        MoveSection(file, section, normal);
    }
  }
}

// Every section whose values are stored targets: "SwapKey" and "SwapShortcut", all programs'
// and each program's.
std::vector<std::string> TargetSections(SettingsFile& file) {
  std::vector<std::string> sections{kSwapKey, kSwapShortcut};
  for (const std::string& layer : Layers(file.Current()))
    sections.push_back(SwapKeySection(LayerScope(layer)));
  for (const std::string& program : ProgramsWithMappings(file.Current())) {
    sections.push_back(SwapKeySectionIn(file.Current(), program));
    sections.push_back(ProgramSectionIn(file.Current(), kSwapShortcut, program));
  }
  return sections;
}

// The name under which section holds the shortcut source: the source's own spelling, else an
// entry that reads as the same shortcut ("ctrl+shift+v" written by hand), else its canonical
// name.
std::string ShortcutEntry(SettingsFile& file, const std::string& section,
                          const std::string& source) {
  if (file.ValueExists(section, source)) return source;
  ParsedShortcut wanted = ParseShortcutName(source);
  if (!wanted.ok) return source;
  for (const std::string& name : file.ReadSection(section)) {
    ParsedShortcut listed = ParseShortcutName(name);
    if (listed.ok && listed.modifiers == wanted.modifiers && listed.key == wanted.key) return name;
  }
  return ShortcutNameOf(wanted);
}

// Frees the numbered parameter section a removed value pointed at: the last section of its
// action fills the hole (when the removed one is the last, it is simply erased).
void ReleaseParameterSection(SettingsFile& file, const std::string& value) {
  int n = NumberSuffixOf(value);
  std::string name = StripNumberSuffix(value);
  int k = ParameterCount(file, name);
  MoveSection(file, name + std::to_string(k), name + std::to_string(n));
  RenumberReferences(file, name, n);
  file.WriteString(kSettings, CountKey(name),
                   std::to_string(file.ReadIntegerStrict(kSettings, CountKey(name)) - 1));
}

// "SwapShortcut" source's canonical name = value; an entry of the same shortcut spelt
// otherwise gives way to it.
void WriteShortcut(SettingsFile& file, const std::string& source, const std::string& value,
                   const std::string& program) {
  std::string section = ShortcutSection(program);
  std::string name = ShortcutNameOf(ParseShortcutName(source));
  std::string entry = ShortcutEntry(file, section, source);
  if (ini::Fold(entry) != ini::Fold(name)) file.DeleteKey(section, entry);
  file.WriteString(section, name, value);
}

// The code a source name stands for. A name written by hand in another letter case ("a",
// "num 5") means the same key to the engine, and so here.
int CodeOfSourceName(const std::string& source) {
  int code = SourceKeyCodeOfName(source);
  for (int vk = 0; code == -1 && vk < 256; ++vk) {
    SourceKeyNames names = SourceKeyNamesOf(vk);
    if (SameName(names.tableName, source) || SameName(names.listName, source)) code = vk;
  }
  return code;
}

// The code of a mapped source: its "SwapScrKeyCode" entry, or for a hand-written mapping
// without one, the code its name stands for.
int SourceCode(SettingsFile& file, const std::string& program, const std::string& source) {
  int code = 0;
  if (ParseLenientInteger(file.ReadString(SwapScrKeyCodeSection(program), source, ""), code))
    return code;
  return CodeOfSourceName(source);
}

// The codes of every mapped source of every program, each once, in file order.
std::vector<int> MappedCodes(SettingsFile& file) {
  std::vector<std::string> programs{""};
  for (const std::string& p : ProgramsWithMappings(file.Current())) programs.push_back(p);
  std::vector<int> codes;
  for (const std::string& program : programs) {
    for (const std::string& source : file.ReadSection(SwapKeySection(program))) {
      int code = SourceCode(file, program, source);
      if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
    }
  }
  return codes;
}

// "DisableKey" written anew: KeyCode1 to KeyCode<n>, then "Index" = n ("TempCode" goes).
void RewriteInterceptedCodes(SettingsFile& file, const std::vector<std::string>& codes) {
  file.EraseSection(kDisableKey);
  for (std::size_t i = 0; i < codes.size(); ++i)
    file.WriteString(kDisableKey, KeyCodeKey(static_cast<int>(i) + 1), codes[i]);
  file.WriteString(kDisableKey, kIndex, std::to_string(codes.size()));
}

// Makes the intercepted-code list hold the codes of all mapped sources. Codes listed before
// keep their place and new ones follow them; a dense list that only grows gets its new entries
// appended, as the store has always written them, and any other change rewrites the list (a
// hand-written gap or stray entry goes with it). Entries are read strictly.
void WriteInterceptedCodes(SettingsFile& file) {
  SettingsFile::Batch batch(file);
  std::size_t count = static_cast<std::size_t>(file.ReadIntegerStrict(kDisableKey, kIndex));
  std::vector<std::string> listed;
  bool dense = true;
  for (const std::string& key : file.ReadSection(kDisableKey)) {
    if (SameName(key, kIndex) || SameName(key, "TempCode")) continue;
    int n = KeyCodeNumber(key);
    dense = dense && n == static_cast<int>(listed.size()) + 1;
    if (n > 0) listed.push_back(std::to_string(file.ReadIntegerStrict(kDisableKey, key)));
  }
  dense = dense && count == listed.size();
  std::vector<std::string> mapped, codes;
  for (int code : MappedCodes(file)) mapped.push_back(std::to_string(code));
  auto has = [](const std::vector<std::string>& list, const std::string& code) {
    return std::find(list.begin(), list.end(), code) != list.end();
  };
  for (const std::string& code : listed)
    if (has(mapped, code) && !has(codes, code)) codes.push_back(code);
  bool grows = dense && codes == listed;
  for (const std::string& code : mapped)
    if (!has(codes, code)) codes.push_back(code);
  if (!grows) {
    RewriteInterceptedCodes(file, codes);
  } else if (codes.size() > listed.size()) {
    file.WriteString(kDisableKey, kIndex, std::to_string(codes.size()));
    for (std::size_t i = listed.size(); i < codes.size(); ++i)
      file.WriteString(kDisableKey, KeyCodeKey(static_cast<int>(i) + 1), codes[i]);
  }
  batch.Commit();
}

// A parameter as it is written so that a read gives it back exactly: values read without
// their outer blanks and one pair of outer quotes, so such a parameter goes inside quotes.
std::string WrittenParameter(const std::string& parameter) {
  if (ini::ReadableValue(ini::Trim(parameter), parameter.size()) == parameter) return parameter;
  return "\"" + parameter + "\"";
}
}  // namespace

std::string LayerScope(const std::string& layer) {
  return kLayerMark + layer;
}

bool IsLayerScope(const std::string& program) {
  return !program.empty() && program[0] == kLayerMark;
}

std::vector<std::string> Layers(const IniDocument& doc) {
  std::vector<std::string> layers;
  const std::size_t n = std::strlen(kLayer);
  for (const std::string& section : doc.ReadSections())
    if (section.size() > n && SameName(section.substr(0, n), kLayer))
      layers.push_back(section.substr(n));
  return layers;
}

std::string SwapKeySection(const std::string& program) {
  if (IsLayerScope(program)) return kLayer + program.substr(1);
  return program.empty() ? kSwapKey : std::string(kSwapKey) + " " + program;
}

std::string SwapScrKeyCodeSection(const std::string& program) {
  return program.empty() ? kSwapScrKeyCode : std::string(kSwapScrKeyCode) + " " + program;
}

std::string ProgramKey(const std::string& program) {
  return platform::ProgramNameKey(program);
}

std::string ProgramNameOfPath(const std::string& pathOrName) {
  return pathOrName.substr(pathOrName.find_last_of("\\/") + 1);
}

std::string SwapKeySectionIn(const IniDocument& doc, const std::string& program) {
  // A layer's section is found in any letter case under its one name.
  if (IsLayerScope(program)) return SwapKeySection(program);
  return ProgramSectionIn(doc, kSwapKey, program);
}

std::string ShortcutSection(const std::string& program) {
  return program.empty() ? kSwapShortcut : std::string(kSwapShortcut) + " " + program;
}

std::string ShortcutSectionIn(const IniDocument& doc, const std::string& program) {
  return ProgramSectionIn(doc, kSwapShortcut, program);
}

bool IsShortcutSource(const std::string& source) {
  return ParseShortcutName(source).ok;
}

void WriteSwapKey(SettingsFile& file, const std::string& source, const std::string& value, int code,
                  const std::string& program) {
  SettingsFile::Batch batch(file);
  file.WriteString(SwapKeySection(program), source, value);
  if (!IsLayerScope(program))
    file.WriteString(SwapScrKeyCodeSection(program), source, std::to_string(code));
  batch.Commit();
}

bool StoreMapping(SettingsFile& file, const std::string& source, const std::string& target,
                  const std::string& parameter, const std::string& program) {
  bool parameterised = IsParameterizedAction(target);
  // A longer value would be read back cut, and the mapping would type something else.
  if (parameterised && parameter.size() > IniDocument::kMaxValueLength)
    throw Error(FormatMessage("The parameter is too long: at most %s characters can be stored.",
                              std::to_string(IniDocument::kMaxValueLength)));
  ParsedShortcut shortcut = ParseShortcutName(source);
  const bool layer = IsLayerScope(program);
  if (layer && shortcut.ok) throw Error(kLayerShortcutRefusal);
  SettingsFile::Batch batch(file);
  NormalizeProgramSections(file);
  std::string value = target;
  if (parameterised) {
    int next = NextNumber(file, ParameterCount(file, target));
    file.WriteString(kSettings, CountKey(target), std::to_string(next));
    value = target + std::to_string(next);
  }
  if (shortcut.ok) {
    WriteShortcut(file, source, value, program);
  } else {
    WriteSwapKey(file, source, value, SourceKeyCodeOfName(source), program);
  }
  if (parameterised) file.WriteString(value, "Parameter", WrittenParameter(parameter));
  // The hook intercepts a shortcut's key by the shortcut tables: an older reader of
  // "DisableKey" would swallow the key on its own.
  if (!shortcut.ok && !layer) WriteInterceptedCodes(file);
  file.WriteString(kSettings, "Sign", "Zorvane");
  batch.Commit();
  return true;
}

void RemoveMapping(SettingsFile& file, const std::string& source, const std::string& program) {
  SettingsFile::Batch batch(file);
  NormalizeProgramSections(file);
  std::string swapKey = SwapKeySection(program);
  std::string swapScrKeyCode = SwapScrKeyCodeSection(program);
  std::string shortcuts = ShortcutSection(program);
  const bool layer = IsLayerScope(program);
  // A name that cannot be read as a shortcut is found in its section as it stands.
  if (!layer && (IsShortcutSource(source) ||
                 (!file.ValueExists(swapKey, source) && file.ValueExists(shortcuts, source)))) {
    std::string entry = ShortcutEntry(file, shortcuts, source);
    std::string value = file.ReadString(shortcuts, entry, " ");
    if (IsParameterizedAction(value)) ReleaseParameterSection(file, value);
    file.DeleteKey(shortcuts, entry);
    if (file.ReadSection(shortcuts).empty()) file.EraseSection(shortcuts);
    batch.Commit();
    return;
  }
  std::string value = file.ReadString(swapKey, source, " ");
  if (IsParameterizedAction(value)) ReleaseParameterSection(file, value);
  file.DeleteKey(swapKey, source);
  if (layer) {  // the section stays, so the layer stays listed
    batch.Commit();
    return;
  }
  file.DeleteKey(swapScrKeyCode, source);
  // The code stays listed while another source of any program still maps it.
  WriteInterceptedCodes(file);
  batch.Commit();
}

void RemoveProgramMappings(SettingsFile& file, const std::string& program) {
  if (program.empty()) return;  // all programs' mappings go with the file (Reset All)
  SettingsFile::Batch batch(file);
  NormalizeProgramSections(file);
  for (const std::string& source : file.ReadSection(SwapKeySection(program)))
    RemoveMapping(file, source, program);
  file.EraseSection(SwapKeySection(program));
  if (IsLayerScope(program)) {
    batch.Commit();
    return;
  }
  for (const std::string& source : file.ReadSection(ShortcutSection(program)))
    RemoveMapping(file, source, program);
  file.EraseSection(ShortcutSection(program));
  file.EraseSection(SwapScrKeyCodeSection(program));
  batch.Commit();
}

std::vector<std::string> ProgramsWithMappings(const IniDocument& doc) {
  std::vector<std::string> programs, keys;
  auto add = [&](const std::string& program) {
    if (program.empty()) return;
    if (std::find(keys.begin(), keys.end(), ProgramKey(program)) != keys.end()) return;
    keys.push_back(ProgramKey(program));
    programs.push_back(program);
  };
  for (const std::string& section : doc.ReadSections()) {
    add(ProgramOfSection(section, kSwapKey));
    add(ProgramOfSection(section, kSwapShortcut));
    if (SameName(section, kPrograms))
      for (const std::string& program : doc.ReadSection(kPrograms)) add(program);
  }
  return programs;
}

bool ProgramOff(const IniDocument& doc, const std::string& program) {
  return SameName(doc.ReadString(kPrograms, program, ""), kOff);
}

void SetProgramOff(SettingsFile& file, const std::string& program, bool off) {
  SettingsFile::Batch batch(file);
  if (off) {
    file.WriteString(kPrograms, program, kOff);
  } else {
    file.DeleteKey(kPrograms, program);
    if (file.ReadSection(kPrograms).empty()) file.EraseSection(kPrograms);
  }
  batch.Commit();
}

int ParameterCount(SettingsFile& file, const std::string& action) {
  return file.ReadIntegerStrict(kSettings, CountKey(action));
}

void MoveSection(SettingsFile& file, const std::string& from, const std::string& to) {
  SettingsFile::Batch batch(file);
  for (const std::string& key : file.ReadSection(from))
    file.WriteString(to, key, file.ReadRawString(from, key));  // quotes and length kept
  file.EraseSection(from);
  batch.Commit();
}

void RenumberReferences(SettingsFile& file, const std::string& action, int n) {
  SettingsFile::Batch batch(file);
  int last = ParameterCount(file, action);
  for (const std::string& section : TargetSections(file)) {
    for (const std::string& key : file.ReadSection(section)) {
      std::string value = file.ReadString(section, key, " ");
      if (NumberSuffixOf(value) == last && StripNumberSuffix(value) == action)
        file.WriteString(section, key, action + std::to_string(n));
    }
  }
  batch.Commit();
}

int KeyCodeNumber(const std::string& key) {
  const std::string prefix = "KeyCode";
  std::string digits = key.size() > prefix.size() ? key.substr(prefix.size()) : std::string();
  if (!SameName(key.substr(0, prefix.size()), prefix) || digits.empty() || digits.size() > 9 ||
      digits[0] == '0' || digits.find_first_not_of("0123456789") != std::string::npos)
    return 0;
  return std::stoi(digits);
}

std::vector<std::string> InterceptedCodes(const IniDocument& doc) {
  std::vector<std::string> codes;
  for (const std::string& key : doc.ReadSection(kDisableKey))
    if (!SameName(key, kIndex) && !SameName(key, "TempCode"))
      codes.push_back(doc.ReadString(kDisableKey, key, ""));
  return codes;
}

std::vector<std::string> InterceptedCodes(SettingsFile& file) {
  return InterceptedCodes(file.Current());
}

bool IsInterceptedCode(const IniDocument& doc, int code) {
  std::vector<std::string> codes = InterceptedCodes(doc);
  return std::find(codes.begin(), codes.end(), std::to_string(code)) != codes.end();
}

bool IsInterceptedCode(SettingsFile& file, int code) {
  return IsInterceptedCode(file.Current(), code);
}

void AddInterceptedCode(SettingsFile& file, int code) {
  SettingsFile::Batch batch(file);
  int count = file.ReadIntegerStrict(kDisableKey, kIndex);
  if (IsInterceptedCode(file, code)) return;
  int next = NextNumber(file, count);
  file.WriteString(kDisableKey, kIndex, std::to_string(next));
  file.WriteString(kDisableKey, KeyCodeKey(next), std::to_string(code));
  batch.Commit();
}

void RemoveInterceptedCode(SettingsFile& file, int code) {
  SettingsFile::Batch batch(file);
  int count = file.ReadIntegerStrict(kDisableKey, kIndex);
  // The entries that exist, not 1 to "Index": a hand-edited "Index" may be any number.
  std::vector<std::string> kept;
  bool found = false;
  for (const std::string& key : file.ReadSection(kDisableKey)) {
    int n = KeyCodeNumber(key);
    if (n < 1 || n > count) continue;
    std::string value = file.ReadString(kDisableKey, key, "0");
    if (!found && StrToIntStrict(value) == code) {
      found = true;
    } else {
      kept.push_back(value);
    }
  }
  if (!found) return;
  RewriteInterceptedCodes(file, kept);
  batch.Commit();
}

}  // namespace zv
