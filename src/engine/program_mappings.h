#pragma once
// Which mapping a key has in the program that has the focus. Lookup order: the program's own
// section ("SwapKey <exe>"), then all programs' ("SwapKey"). A program switched "Off" passes
// every key as typed, and so does a key its section keeps "Unchanged".
//
// The tables (one per program) are worked out from the settings file's snapshot whenever it
// changes, on the main thread and never on the hook's path, and the focused program is looked up
// once per focus change, so a key event costs a few bit tests, however many programs have
// mappings. Nothing here touches the disk, and only Follow asks the system anything: for a key
// whose mapping differs between programs, whether the foreground window is still the one last
// told.
#include <bitset>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/foreground.h"
#include "settings/settings_file.h"

namespace zv {

// The keys section maps: one look per entry, so building costs what the file holds.
std::bitset<256> MappedKeys(const IniDocument& doc, const std::string& section);

class ProgramMappings {
 public:
  explicit ProgramMappings(SettingsFile& settings);
  ~ProgramMappings();
  ProgramMappings(const ProgramMappings&) = delete;
  ProgramMappings& operator=(const ProgramMappings&) = delete;

  // The executable's file name of the foreground window ("" when unknown: all programs').
  void SetProgram(const std::string& exe);
  const std::string& program() const { return program_; }
  // Asked to look at the foreground window again before a key whose mapping depends on the
  // program, in case the focus moved without an event (or the event is still on its way).
  void SetForeground(platform::Foreground* foreground) { foreground_ = foreground; }
  // Called once per key event before the questions below: makes sure of the focused program
  // when vk's mapping depends on it. A key that no program maps differently costs nothing.
  // alsoFor: vk's handling differs between programs in other tables (its shortcuts).
  void Follow(int vk, bool alsoFor = false);
  // The focused program is switched "Off": every key is typed as it is.
  bool FocusedOff() const { return focused_ && focused_->off; }
  // Some program is switched "Off": every mapped key's handling depends on the focus.
  bool AnyOff() const { return anyOff_; }
  // Whether some section maps vk as a key with two roles: a bit test before reading the value.
  bool MayHaveTwoRoles(int vk) const { return twoRoles_[static_cast<std::size_t>(vk & 0xFF)]; }

  enum class Source {
    None,  // no mapping: the key is typed as it is
    All,   // all programs' mapping
    Own,   // the focused program's own mapping
    Pass,  // the program is "Off" or keeps the key "Unchanged": typed as it is
  };
  Source SourceOf(int vk);
  // The "SwapKey" section that holds vk's mapping here; "SwapKey" for any other answer.
  const std::string& SectionOf(int vk);
  // Whether a code of the intercepted list ("DisableKey") is swallowed in the focused program.
  // A listed code that no section maps is swallowed everywhere, as it always was; one that only
  // other programs map, or that this program passes, goes on as typed.
  bool Intercepts(int vk);

 private:
  struct Program {
    std::string section;    // "SwapKey <exe>"
    std::bitset<256> own;   // keys the section maps (Unchanged included)
    std::bitset<256> kept;  // keys the section keeps Unchanged
    bool off = false;
  };
  void Rebuild() noexcept;
  void Build(const IniDocument& doc);
  void Focus();  // points focused_ at the program's table

  SettingsFile& settings_;
  int listener_ = 0;
  std::string program_;
  std::vector<Program> programs_;
  std::unordered_map<std::string, std::size_t> index_;  // ProgramKey(exe) -> programs_
  std::bitset<256> allKept_;                            // keys "SwapKey" keeps "Unchanged"
  std::bitset<256> all_;                                // keys "SwapKey" maps
  std::bitset<256> elsewhere_;  // keys some program maps and "SwapKey" does not
  std::bitset<256> twoRoles_;   // keys some section maps to "TapHold"
  std::bitset<256> dependent_;
  bool anyOff_ = false;  // keys whose handling differs between programs
  const Program* focused_ = nullptr;
  std::string allSection_ = "SwapKey";
  platform::Foreground* foreground_ = nullptr;
};

}  // namespace zv
