#include "catalogue/tap_hold_form.h"

#include <algorithm>

#include "catalogue/blanks.h"
#include "catalogue/key_catalogue.h"
#include "catalogue/key_lists.h"

namespace zv {
namespace {

constexpr std::size_t kFieldCount = 4;
constexpr const char* kFieldNames[kFieldCount] = {"tap key", "hold key", "time", "rule"};
constexpr std::string_view kRuleWords[] = {"press", "release", "time"};

ParsedTapHold Refused(std::string reason) {
  ParsedTapHold parsed;
  parsed.reason = std::move(reason);
  return parsed;
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  for (std::size_t bar = text.find('|'); bar != std::string_view::npos; bar = text.find('|')) {
    fields.push_back(detail::TrimBlanks(text.substr(0, bar)));
    text.remove_prefix(bar + 1);
  }
  fields.push_back(detail::TrimBlanks(text));
  return fields;
}

// Digits only: a sign, a point or a unit is no time the engine could use.
bool ReadMs(std::string_view text, int& ms) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != text.npos)
    return false;
  ms = std::stoi(std::string(text));
  return ms >= kTapHoldMinMs && ms <= kTapHoldMaxMs;
}

// Reads the hold field into form; "" when it names a key or a layer, otherwise the reason.
// "layer" is read in any letter case, as the settings file matches the layer's section.
std::string ReadHold(std::string_view hold, TapHoldForm& form) {
  const std::string_view word = detail::TrimBlanks(kLayerPrefix);
  if (detail::SameLetters(hold.substr(0, word.size()), word) &&
      (hold.size() == word.size() || hold[word.size()] == ' ')) {
    form.layer = std::string(detail::TrimBlanks(hold.substr(word.size())));
    if (form.layer.empty()) return "The layer has no name.";
    form.hold = std::string(kLayerPrefix) + form.layer;
    return "";
  }
  form.hold = std::string(hold);
  return IsHoldKeyName(hold) ? "" : Quoted(hold) + " is no key or layer for the hold.";
}

std::vector<std::string> ListedNames(bool (*fits)(std::string_view)) {
  std::vector<std::string> names;
  for (const std::string& name : ChangedToList())
    if (fits(name)) names.push_back(name);
  return names;
}

}  // namespace

ParsedTapHold ParseTapHold(std::string_view text) {
  const std::vector<std::string_view> fields = Fields(text);
  if (fields.size() > kFieldCount)
    return Refused("A tap-hold has four fields (tap|hold|time|rule), not " +
                   std::to_string(fields.size()) + ".");
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    if (i >= fields.size() || fields[i].empty())
      return Refused(std::string("The ") + kFieldNames[i] + " is missing.");
  }
  ParsedTapHold parsed;
  TapHoldForm& form = parsed.form;
  form.tap = std::string(fields[0]);
  if (!IsTapName(form.tap)) return Refused(Quoted(form.tap) + " is no key or action for the tap.");
  if (std::string reason = ReadHold(fields[1], form); !reason.empty()) return Refused(reason);
  if (!ReadMs(fields[2], form.ms)) {
    return Refused("The time must be a whole number of milliseconds from " +
                   std::to_string(kTapHoldMinMs) + " to " + std::to_string(kTapHoldMaxMs) +
                   ", not " + Quoted(fields[2]) + ".");
  }
  for (std::size_t i = 0; i < std::size(kRuleWords); ++i) {
    if (fields[3] == kRuleWords[i]) {
      form.rule = static_cast<TapHoldForm::Rule>(i);
      parsed.ok = true;
      return parsed;
    }
  }
  return Refused("The rule must be press, release or time, not " + Quoted(fields[3]) + ".");
}

std::string TapHoldText(const TapHoldForm& form) {
  return form.tap + "|" + form.hold + "|" + std::to_string(form.ms) + "|" +
         std::string(TapHoldRuleWord(form.rule));
}

std::string_view TapHoldRuleWord(TapHoldForm::Rule rule) {
  return kRuleWords[static_cast<std::size_t>(rule)];
}

bool IsTapName(std::string_view name) {
  const int code = KeyCodeOfName(name);
  return (code >= 0 && code <= 255) || (code >= 501 && code <= 515);
}

bool IsHoldKeyName(std::string_view name) {
  const int code = KeyCodeOfName(name);
  return code >= 0 && code <= 255;
}

std::vector<std::string> TapNames() {
  return ListedNames(&IsTapName);
}

std::vector<std::string> HoldKeyNames() {
  return ListedNames(&IsHoldKeyName);
}

std::vector<std::string> LayerNamesOfSections(const std::vector<std::string>& sections) {
  std::vector<std::string> layers;
  for (const std::string& section : sections) {
    const std::string_view name =
        std::string_view(section).substr(std::min(section.size(), kLayerPrefix.size()));
    if (detail::SameLetters(section.substr(0, kLayerPrefix.size()), kLayerPrefix) &&
        !detail::TrimBlanks(name).empty())
      layers.emplace_back(detail::TrimBlanks(name));
  }
  return layers;
}

}  // namespace zv
