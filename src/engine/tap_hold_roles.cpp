#include "engine/tap_hold_roles.h"

#include "catalogue/key_catalogue.h"
#include "catalogue/tap_hold_form.h"

namespace zv {

TapHoldRoles ReadTapHoldRoles(const std::string& text, const LayerTables& layers,
                              std::string& tapAction) {
  TapHoldRoles roles;
  roles.valid = false;
  ParsedTapHold parsed = ParseTapHold(text);
  if (!parsed.ok) return roles;
  const TapHoldForm& form = parsed.form;
  int tap = KeyCodeOfName(form.tap);
  roles.tapKey = tap <= 255 ? tap : -1;
  tapAction = tap > 255 ? form.tap : std::string();
  if (form.holdIsLayer()) {
    roles.layer = layers.IndexOf(form.layer);
    if (roles.layer < 0) return roles;  // a layer the file has no section for
  } else {
    roles.holdKey = KeyCodeOfName(form.hold);
  }
  roles.ms = static_cast<std::uint32_t>(form.ms);
  const TapHoldRoles::Rule rules[] = {TapHoldRoles::Rule::Press, TapHoldRoles::Rule::Release,
                                      TapHoldRoles::Rule::Time};
  roles.rule = rules[static_cast<int>(form.rule)];
  roles.valid = true;
  return roles;
}

}  // namespace zv
