#include "engine/shortcut_tables.h"

#include "catalogue/shortcut_name.h"
#include "settings/mapping_store.h"

namespace zv {

namespace {
constexpr const char* kSwapShortcut = "SwapShortcut";

// One modifier: its left and right side bits and the bit that either side satisfies.
struct Kind {
  std::uint16_t left, right, either;
};
constexpr Kind kKinds[] = {{kModLeftCtrl, kModRightCtrl, kModCtrl},
                           {kModLeftAlt, kModRightAlt, kModAlt},
                           {kModLeftShift, kModRightShift, kModShift},
                           {kModLeftWin, kModRightWin, kModWin}};
}  // namespace

std::string SwapShortcutSection(const std::string& program) {
  return program.empty() ? kSwapShortcut : std::string(kSwapShortcut) + " " + program;
}

bool ShortcutMatches(std::uint16_t modifiers, std::uint8_t held) {
  for (const Kind& k : kKinds) {
    bool left = held & k.left, right = held & k.right;
    bool wantLeft = modifiers & k.left, wantRight = modifiers & k.right;
    if (modifiers & k.either) {
      if (!left && !right) return false;
      if ((wantLeft && !left) || (wantRight && !right)) return false;
    } else if (left != wantLeft || right != wantRight) {
      return false;
    }
  }
  return true;
}

ShortcutTables::ShortcutTables(SettingsFile& settings) : settings_(settings) {
  listener_ = settings_.WatchSnapshot([this] { Rebuild(); });
  Rebuild();
}

ShortcutTables::~ShortcutTables() {
  settings_.UnwatchSnapshot(listener_);
}

ShortcutTables::Table ShortcutTables::Read(const IniDocument& doc, const std::string& section,
                                           std::bitset<256>& keys) {
  Table table;
  for (const std::string& name : doc.ReadSection(section)) {
    ParsedShortcut shortcut = ParseShortcutName(name);
    if (!shortcut.ok || shortcut.key < 0 || shortcut.key > 255) continue;
    table[shortcut.key].push_back({shortcut.modifiers, doc.ReadString(section, name, "")});
    keys[static_cast<std::size_t>(shortcut.key)] = true;
  }
  return table;
}

void ShortcutTables::Rebuild() noexcept {
  try {
    const IniDocument& doc = settings_.Snapshot();
    std::bitset<256> keys, own;
    all_ = Read(doc, kSwapShortcut, keys);
    programs_.clear();
    std::string prefix = std::string(kSwapShortcut) + " ";
    for (const std::string& section : doc.ReadSections()) {
      if (ProgramKey(section.substr(0, prefix.size())) != ProgramKey(prefix)) continue;
      std::string exe = section.substr(prefix.size());
      exe.erase(0, exe.find_first_not_of(' '));
      if (exe.empty()) continue;
      programs_[ProgramKey(exe)] = Read(doc, section, own);
    }
    keys_ = keys | own;
    dependent_ = own;
  } catch (...) {
    // Out of memory: no shortcut applies.
    all_.clear();
    programs_.clear();
    keys_.reset();
    dependent_.reset();
  }
}

const ShortcutTables::Entry* ShortcutTables::Find(const Table& table, int vk, std::uint8_t held) {
  auto it = table.find(vk);
  if (it == table.end()) return nullptr;
  for (const Entry& e : it->second) {
    if (ShortcutMatches(e.modifiers, held)) return &e;
  }
  return nullptr;
}

const ShortcutTables::Entry* ShortcutTables::Match(int vk, std::uint8_t held,
                                                   const std::string& program) const {
  if (!IsKey(vk)) return nullptr;
  if (!program.empty()) {
    auto it = programs_.find(ProgramKey(program));
    if (it != programs_.end()) {
      if (const Entry* e = Find(it->second, vk, held)) return e;
    }
  }
  return Find(all_, vk, held);
}

}  // namespace zv
