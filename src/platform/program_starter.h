#pragma once
// Starting a program, a document or a web address the way the shell does: the file's
// associated program opens documents and addresses, and the search path finds a bare
// "notepad.exe".
#include <string>

namespace zv::platform {

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // Starts file with arguments (both UTF-8). Empty when it started, otherwise the system's
  // message text of why not. May wait for the shell (a slow drive, a network path): call it
  // from the worker thread.
  virtual std::string Start(const std::string& file, const std::string& arguments) = 0;
};

}  // namespace zv::platform
