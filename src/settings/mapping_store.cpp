#include "settings/mapping_store.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "catalogue/key_catalogue.h"
#include "catalogue/source_key_names.h"
#include "common/error.h"
#include "platform/program_names.h"

namespace zv {
namespace {
const char* const kSwapKey = "SwapKey";
const char* const kSwapScrKeyCode = "SwapScrKeyCode";
const char* const kDisableKey = "DisableKey";
const char* const kIndex = "Index";
const char* const kSettings = "Settings";
const char* const kPrograms = "Programs";
const char* const kOff = "Off";

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
bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The program named by a section "<prefix> <program>", or empty for any other section.
std::string ProgramOfSection(const std::string& section, const std::string& prefix) {
  if (section.size() <= prefix.size() + 1 || section[prefix.size()] != ' ') return "";
  if (!SameName(section.substr(0, prefix.size()), prefix)) return "";
  std::size_t start = section.find_first_not_of(' ', prefix.size());
  return start == std::string::npos ? "" : section.substr(start);
}

// Every "SwapKey" section of the file: all programs' and each program's.
std::vector<std::string> SwapKeySections(SettingsFile& file) {
  std::vector<std::string> sections{kSwapKey};
  for (const std::string& program : ProgramsWithMappings(file.Current()))
    sections.push_back(SwapKeySection(program));
  return sections;
}

// Whether a mapping of a program other than program still records code.
bool CodeUsedElsewhere(SettingsFile& file, int code, const std::string& program) {
  std::vector<std::string> others{""};
  for (const std::string& p : ProgramsWithMappings(file.Current())) others.push_back(p);
  for (const std::string& other : others) {
    if (SameName(other, program)) continue;
    std::string section = SwapScrKeyCodeSection(other);
    for (const std::string& key : file.ReadSection(section))
      if (file.ReadInteger(section, key, 0) == code) return true;
  }
  return false;
}
}  // namespace

std::string SwapKeySection(const std::string& program) {
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

void WriteSwapKey(SettingsFile& file, const std::string& source, const std::string& value, int code,
                  const std::string& program) {
  SettingsFile::Batch batch(file);
  file.WriteString(SwapKeySection(program), source, value);
  file.WriteString(SwapScrKeyCodeSection(program), source, std::to_string(code));
  batch.Commit();
}

bool StoreMapping(SettingsFile& file, const std::string& source, const std::string& target,
                  const std::string& parameter, const std::string& program) {
  SettingsFile::Batch batch(file);
  int code = SourceKeyCodeOfName(source);
  if (IsParameterizedAction(target)) {
    int next = NextNumber(file, ParameterCount(file, target));
    file.WriteString(kSettings, CountKey(target), std::to_string(next));
    std::string value = target + std::to_string(next);
    WriteSwapKey(file, source, value, code, program);
    file.WriteString(value, "Parameter", parameter);
  } else {
    WriteSwapKey(file, source, target, code, program);
  }
  AddInterceptedCode(file, code);
  file.WriteString(kSettings, "Sign", "Zorvane");
  batch.Commit();
  return true;
}

void RemoveMapping(SettingsFile& file, const std::string& source, const std::string& program) {
  SettingsFile::Batch batch(file);
  std::string swapKey = SwapKeySection(program);
  std::string swapScrKeyCode = SwapScrKeyCodeSection(program);
  std::string value = file.ReadString(swapKey, source, " ");
  if (IsParameterizedAction(value)) {
    int n = NumberSuffixOf(value);
    std::string name = StripNumberSuffix(value);
    int k = ParameterCount(file, name);
    // The last section fills the hole; when the removed one is the last, it is simply erased.
    MoveSection(file, name + std::to_string(k), name + std::to_string(n));
    RenumberReferences(file, name, n);
    file.WriteString(kSettings, CountKey(name),
                     std::to_string(file.ReadIntegerStrict(kSettings, CountKey(name)) - 1));
  }
  // Within one program's sections the code goes with its key, as it always has; another
  // program's mapping of the same code keeps it listed.
  int code = file.ReadInteger(swapScrKeyCode, source, 0);
  if (!CodeUsedElsewhere(file, code, program)) RemoveInterceptedCode(file, code);
  file.DeleteKey(swapKey, source);
  file.DeleteKey(swapScrKeyCode, source);
  batch.Commit();
}

void RemoveProgramMappings(SettingsFile& file, const std::string& program) {
  if (program.empty()) return;  // all programs' mappings go with the file (Reset All)
  SettingsFile::Batch batch(file);
  for (const std::string& source : file.ReadSection(SwapKeySection(program)))
    RemoveMapping(file, source, program);
  file.EraseSection(SwapKeySection(program));
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
    file.WriteString(to, key, file.ReadString(from, key, ""));
  file.EraseSection(from);
  batch.Commit();
}

void RenumberReferences(SettingsFile& file, const std::string& action, int n) {
  SettingsFile::Batch batch(file);
  int last = ParameterCount(file, action);
  for (const std::string& section : SwapKeySections(file)) {
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
  file.EraseSection(kDisableKey);
  for (std::size_t i = 0; i < kept.size(); ++i)
    file.WriteString(kDisableKey, KeyCodeKey(static_cast<int>(i) + 1), kept[i]);
  file.WriteString(kDisableKey, kIndex, std::to_string(kept.size()));
  batch.Commit();
}

}  // namespace zv
