// "Run": a program, a document or an address started through the shell.
#include <memory>

#include "catalogue/parameter_forms.h"
#include "engine/actions/actions.h"

namespace zv {

// The shell may take its time (a slow drive, a program that is being installed): it is asked on
// the worker, and its answer comes back to the main thread, once per press.
void Actions::ActRun(const std::string& parameter, ActionSteps& steps) {
  if (!devices_.programs || IsEmptyParameter(parameter)) return;
  RunCommand command = RunCommandOfForm(parameter);
  auto failure = std::make_shared<std::string>();
  steps.InBackground([this, command, failure] {
    *failure = devices_.programs->Start(command.file, command.arguments);
  });
  steps.Run([this, command, failure] {
    if (!failure->empty() && devices_.tellRunFailure)
      devices_.tellRunFailure("Cannot start " + command.file + ": " + *failure);
  });
}

}  // namespace zv
