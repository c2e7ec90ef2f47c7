#pragma once
// The shortcut mappings of the settings file ("SwapShortcut" for all programs, "SwapShortcut
// <exe>" for one): for each key, the shortcuts whose key it is, with their stored targets.
// Worked out once per snapshot of the file, on the main thread, never in the hook; asking is a
// bit test for a key that no shortcut uses. A name that cannot be read is left out (the file
// keeps it, the editor shows why).
#include <bitset>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "settings/settings_file.h"

namespace zv {

// The section of the shortcut mappings of one program ("" for all programs).
std::string SwapShortcutSection(const std::string& program);

// Whether a shortcut's modifiers (ShortcutModifier bits) are exactly those held: each of Ctrl,
// Alt, Shift and Win is held as the name says ("Ctrl": either side; "Left Ctrl": that side
// only) or not at all. held: the eight side bits (kModLeftCtrl to kModRightWin).
bool ShortcutMatches(std::uint16_t modifiers, std::uint8_t held);

class ShortcutTables {
 public:
  struct Entry {
    std::uint16_t modifiers = 0;
    std::string target;  // the stored value: a key, an action, "Unchanged", ...
  };

  explicit ShortcutTables(SettingsFile& settings);
  ~ShortcutTables();
  ShortcutTables(const ShortcutTables&) = delete;
  ShortcutTables& operator=(const ShortcutTables&) = delete;

  // Whether some shortcut mapping uses vk as its key.
  bool IsKey(int vk) const { return keys_[static_cast<std::size_t>(vk & 0xFF)]; }
  // Whether vk's shortcuts differ between programs.
  bool Dependent(int vk) const { return dependent_[static_cast<std::size_t>(vk & 0xFF)]; }
  // The mapping of vk with exactly the modifiers held, the program's own first, then all
  // programs'; nullptr when none matches.
  const Entry* Match(int vk, std::uint8_t held, const std::string& program) const;

 private:
  using Table = std::unordered_map<int, std::vector<Entry>>;
  void Rebuild() noexcept;
  static Table Read(const IniDocument& doc, const std::string& section, std::bitset<256>& keys);
  static const Entry* Find(const Table& table, int vk, std::uint8_t held);

  SettingsFile& settings_;
  int listener_ = 0;
  Table all_;
  std::unordered_map<std::string, Table> programs_;  // ProgramKey(exe) -> its table
  std::bitset<256> keys_, dependent_;
};

}  // namespace zv
