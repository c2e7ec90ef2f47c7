#pragma once
// A change of Windows' key map that the registry refuses for lack of rights (a user who is not
// an administrator) is offered to an elevated writer instead of ending in the plain error.
#include <functional>
#include <string>

namespace zv {

inline constexpr const char* kAskElevationText =
    "Windows lets only administrators change its key map. Write it as administrator?";

// Stores a whole scancode map value with more rights (the program started elevated); true when
// it was stored.
class ElevatedScancodeWriter {
 public:
  virtual ~ElevatedScancodeWriter() = default;
  virtual bool Write(const std::string& hex) = 0;
};

// Runs change (AddScancodeMapping, RemoveScancodeMapping). When it throws ScancodeWriteDenied,
// askYesNo(kAskElevationText) decides: Yes hands the value it meant to store to the writer and
// returns normally when that stored it; No, or a writer that failed, raises the plain
// "Failed to set data for 'Scancode Map'" error. Other errors pass unchanged.
void ChangeScancodeMapOrElevate(const std::function<void()>& change,
                                const std::function<bool(const std::string&)>& askYesNo,
                                ElevatedScancodeWriter& writer);

}  // namespace zv
