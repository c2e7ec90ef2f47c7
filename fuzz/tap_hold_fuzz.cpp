// TapHold parameters come from the settings file, which a person may edit by hand: reading one
// never crashes, one that reads is written back in a form that reads the same, and one that
// does not read always says why.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue/tap_hold_form.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const zv::ParsedTapHold parsed = zv::ParseTapHold(text);
  if (parsed.ok ? !(zv::ParseTapHold(zv::TapHoldText(parsed.form)).form == parsed.form)
                : parsed.reason.empty())
    std::abort();
  return 0;
}
