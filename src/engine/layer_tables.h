#pragma once
// The layers of the settings file: a section "Layer <name>" maps keys as "SwapKey" does, and
// applies while a key whose hold switches the layer on is held. Worked out once per snapshot,
// on the main thread; asking is a bit test.
#include <bitset>
#include <string>
#include <vector>

#include "settings/settings_file.h"

namespace zv {

class LayerTables {
 public:
  explicit LayerTables(SettingsFile& settings);
  ~LayerTables();
  LayerTables(const LayerTables&) = delete;
  LayerTables& operator=(const LayerTables&) = delete;

  // The layer of that name (any letter case), -1 when the file has no such section.
  int IndexOf(const std::string& name) const;
  const std::string& SectionOf(int layer) const {
    return layers_[static_cast<std::size_t>(layer)].section;
  }
  bool Maps(int layer, int vk) const {
    return layer >= 0 && static_cast<std::size_t>(layer) < layers_.size() &&
           layers_[static_cast<std::size_t>(layer)].keys[static_cast<std::size_t>(vk & 0xFF)];
  }
  // Whether some layer maps vk.
  bool AnyMaps(int vk) const { return any_[static_cast<std::size_t>(vk & 0xFF)]; }

 private:
  struct Layer {
    std::string section;
    std::bitset<256> keys;
  };
  void Rebuild() noexcept;

  SettingsFile& settings_;
  int listener_ = 0;
  std::vector<Layer> layers_;
  std::bitset<256> any_;
};

}  // namespace zv
