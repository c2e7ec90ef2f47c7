#include "engine/program_mappings.h"

#include <cstdlib>

#include "catalogue/key_catalogue.h"
#include "catalogue/source_key_names.h"
#include "settings/mapping_store.h"

namespace zv {

namespace {

// Folded source key name -> the keys whose mapping may be stored under it (the table's name of
// the code, and the "Original Key" list's other name).
const std::unordered_map<std::string, std::vector<int>>& KeysByName() {
  static const std::unordered_map<std::string, std::vector<int>> byName = [] {
    std::unordered_map<std::string, std::vector<int>> m;
    for (int vk = 0; vk < 256; ++vk) {
      SourceKeyNames names = SourceKeyNamesOf(vk);
      for (std::string_view name : {names.tableName, names.listName}) {
        if (name.find_first_not_of(' ') != std::string_view::npos)
          m[ProgramKey(std::string(name))].push_back(vk);
      }
    }
    return m;
  }();
  return byName;
}

}  // namespace

std::bitset<256> MappedKeys(const IniDocument& doc, const std::string& section) {
  std::bitset<256> keys;
  for (const std::string& name : doc.ReadSection(section)) {
    auto it = KeysByName().find(ProgramKey(name));
    if (it == KeysByName().end()) continue;
    for (int vk : it->second) keys[static_cast<std::size_t>(vk)] = true;
  }
  return keys;
}

namespace {

// The value vk's mapping has in section, read under the name the dispatcher reads it by.
std::string MappedValue(const IniDocument& doc, const std::string& section, int vk) {
  SourceKeyNames names = SourceKeyNamesOf(vk);
  std::string table(names.tableName);
  if (!names.listName.empty() && !doc.ValueExists(section, table))
    return doc.ReadString(section, std::string(names.listName), "");
  return doc.ReadString(section, table, "");
}

// Of the keys section maps, those whose stored value is target ("Unchanged"), or target with a
// number ("TapHold3").
std::bitset<256> KeysMappedTo(const IniDocument& doc, const std::string& section,
                              const std::bitset<256>& mapped, const std::string& target) {
  std::bitset<256> keys;
  bool numbered = target != kUnchangedTarget;
  for (int vk = 0; vk < 256; ++vk) {
    std::size_t k = static_cast<std::size_t>(vk);
    if (!mapped[k]) continue;
    std::string value = MappedValue(doc, section, vk);
    keys[k] = ProgramKey(numbered ? StripNumberSuffix(value) : value) == ProgramKey(target);
  }
  return keys;
}

}  // namespace

ProgramMappings::ProgramMappings(SettingsFile& settings) : settings_(settings) {
  listener_ = settings_.WatchSnapshot([this] { Rebuild(); });
  Rebuild();
}

ProgramMappings::~ProgramMappings() {
  settings_.UnwatchSnapshot(listener_);
}

void ProgramMappings::SetProgram(const std::string& exe) {
  program_ = exe;
  Focus();
}

void ProgramMappings::Rebuild() noexcept {
  try {
    Build(settings_.Snapshot());
  } catch (...) {
    // Out of memory: the tables are left empty, and every key has all programs' mapping.
    programs_.clear();
    index_.clear();
    dependent_.reset();
  }
  Focus();
}

void ProgramMappings::Build(const IniDocument& doc) {
  programs_.clear();
  index_.clear();
  std::bitset<256> anyProgram;
  bool anyOff = false;
  all_ = MappedKeys(doc, allSection_);
  allKept_ = KeysMappedTo(doc, allSection_, all_, kUnchangedTarget);  // written by hand
  twoRoles_ = KeysMappedTo(doc, allSection_, all_, "TapHold");
  for (const std::string& exe : ProgramsWithMappings(doc)) {
    Program p;
    p.section = SwapKeySectionIn(doc, exe);
    p.off = ProgramOff(doc, exe);
    p.own = MappedKeys(doc, p.section);
    p.kept = KeysMappedTo(doc, p.section, p.own, kUnchangedTarget);
    twoRoles_ |= KeysMappedTo(doc, p.section, p.own, "TapHold");
    anyProgram |= p.own;
    anyOff = anyOff || p.off;
    index_.emplace(ProgramKey(exe), programs_.size());
    programs_.push_back(std::move(p));
  }
  elsewhere_ = anyProgram & ~all_;
  anyOff_ = anyOff;
  // A program switched off changes every key that is intercepted or mapped anywhere.
  dependent_ = anyProgram;
  if (anyOff) {
    dependent_ |= all_;
    for (const std::string& code : InterceptedCodes(doc)) {
      int vk = std::atoi(code.c_str());
      if (vk >= 0 && vk < 256) dependent_[static_cast<std::size_t>(vk)] = true;
    }
  }
}

void ProgramMappings::Follow(int vk, bool alsoFor) {
  if (foreground_ && vk >= 0 && vk < 256 && (alsoFor || dependent_[static_cast<std::size_t>(vk)]))
    foreground_->Recheck();
}

void ProgramMappings::Focus() {
  auto it = index_.find(ProgramKey(program_));
  focused_ = it == index_.end() ? nullptr : &programs_[it->second];
}

ProgramMappings::Source ProgramMappings::SourceOf(int vk) {
  if (vk < 0 || vk > 255) return Source::None;
  std::size_t k = static_cast<std::size_t>(vk);
  if (focused_ && focused_->off) return Source::Pass;
  if (focused_ && focused_->own[k]) return focused_->kept[k] ? Source::Pass : Source::Own;
  if (!all_[k]) return Source::None;
  return allKept_[k] ? Source::Pass : Source::All;
}

const std::string& ProgramMappings::SectionOf(int vk) {
  return SourceOf(vk) == Source::Own ? focused_->section : allSection_;
}

bool ProgramMappings::Intercepts(int vk) {
  switch (SourceOf(vk)) {
    case Source::Pass:
      return false;
    case Source::None:
      return !elsewhere_[static_cast<std::size_t>(vk & 0xFF)];
    default:
      return true;
  }
}

}  // namespace zv
