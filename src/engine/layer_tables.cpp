#include "engine/layer_tables.h"

#include "engine/program_mappings.h"
#include "settings/mapping_store.h"

namespace zv {

namespace {
constexpr const char* kLayerPrefix = "Layer ";
}  // namespace

LayerTables::LayerTables(SettingsFile& settings) : settings_(settings) {
  listener_ = settings_.WatchSnapshot([this] { Rebuild(); });
  Rebuild();
}

LayerTables::~LayerTables() {
  settings_.UnwatchSnapshot(listener_);
}

void LayerTables::Rebuild() noexcept {
  try {
    const IniDocument& doc = settings_.Snapshot();
    layers_.clear();
    any_.reset();
    std::string prefix = ProgramKey(kLayerPrefix);
    for (const std::string& section : doc.ReadSections()) {
      if (ProgramKey(section.substr(0, prefix.size())) != prefix) continue;
      layers_.push_back({section, MappedKeys(doc, section)});
      any_ |= layers_.back().keys;
    }
  } catch (...) {
    layers_.clear();  // out of memory: no layer applies
    any_.reset();
  }
}

int LayerTables::IndexOf(const std::string& name) const {
  std::string wanted = ProgramKey(kLayerPrefix + name);
  for (std::size_t i = 0; i < layers_.size(); ++i) {
    if (ProgramKey(layers_[i].section) == wanted) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace zv
