#include "engine/tap_hold_spec.h"

#include <cstdlib>
#include <vector>

#include "catalogue/key_catalogue.h"
#include "settings/mapping_store.h"

namespace zv {

namespace {
std::vector<std::string> Fields(const std::string& text) {
  std::vector<std::string> fields(1);
  for (char c : text) {
    if (c == '|') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}
}  // namespace

TapHoldSpec ParseTapHoldSpec(const std::string& text, const LayerTables& layers,
                             std::string* tapName) {
  TapHoldSpec spec;
  spec.valid = false;
  std::vector<std::string> f = Fields(text);
  if (f.size() != 4) return spec;
  int tap = ResolveKeyCode(f[0]);
  if (tap < 0 || (tap > 255 && (tap <= 500 || tap > 515))) return spec;
  spec.tapKey = tap <= 255 ? tap : -1;
  spec.tapAction = tap > 255;
  if (tapName) *tapName = f[0];
  const std::string layerWord = "layer ";
  if (ProgramKey(f[1].substr(0, layerWord.size())) == ProgramKey(layerWord)) {
    spec.layer = layers.IndexOf(f[1].substr(layerWord.size()));
    if (spec.layer < 0) return spec;
  } else {
    spec.holdKey = ResolveKeyCode(f[1]);
    if (spec.holdKey < 0 || spec.holdKey > 255) return spec;
  }
  char* end = nullptr;
  long ms = std::strtol(f[2].c_str(), &end, 10);
  if (f[2].empty() || *end != '\0' || ms < 100 || ms > 1000) return spec;
  spec.ms = static_cast<std::uint32_t>(ms);
  const std::pair<const char*, TapHoldSpec::Rule> rules[] = {
      {"press", TapHoldSpec::Rule::Press},
      {"release", TapHoldSpec::Rule::Release},
      {"time", TapHoldSpec::Rule::Time}};
  for (const auto& [word, rule] : rules) {
    if (f[3] == word) {
      spec.rule = rule;
      spec.valid = true;
    }
  }
  return spec;
}

}  // namespace zv
