#pragma once
// Multimedia command strings (mciSendStringA), for the CD tray.
#include <string>

namespace zv::platform {

class Media {
 public:
  virtual ~Media() = default;
  // Sends one command string without a return buffer; the result is the MCI error code
  // (0 on success). A command with "wait" returns only when it has completed.
  virtual unsigned SendCommand(const std::string& command) = 0;
};

}  // namespace zv::platform
