#include "engine/tap_hold_spec.h"

#include "catalogue/key_catalogue.h"
#include "catalogue/tap_hold_form.h"

namespace zv {

TapHoldSpec ParseTapHoldSpec(const std::string& text, const LayerTables& layers,
                             std::string* tapName) {
  TapHoldSpec spec;
  spec.valid = false;
  ParsedTapHold parsed = ParseTapHold(text);
  if (!parsed.ok) return spec;
  const TapHoldForm& form = parsed.form;
  int tap = KeyCodeOfName(form.tap);
  spec.tapKey = tap <= 255 ? tap : -1;
  spec.tapAction = tap > 255;
  if (tapName) *tapName = form.tap;
  if (form.holdIsLayer()) {
    spec.layer = layers.IndexOf(form.layer);
    if (spec.layer < 0) return spec;  // a layer the file has no section for
  } else {
    spec.holdKey = KeyCodeOfName(form.hold);
  }
  spec.ms = static_cast<std::uint32_t>(form.ms);
  const TapHoldSpec::Rule rules[] = {TapHoldSpec::Rule::Press, TapHoldSpec::Rule::Release,
                                     TapHoldSpec::Rule::Time};
  spec.rule = rules[static_cast<int>(form.rule)];
  spec.valid = true;
  return spec;
}

}  // namespace zv
