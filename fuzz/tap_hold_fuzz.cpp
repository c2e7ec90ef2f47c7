// A hand-edited TapHold parameter never crashes the reader, reads back the same once written,
// or says why it cannot be read.
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
