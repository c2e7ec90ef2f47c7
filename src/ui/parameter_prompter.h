#pragma once
// How the editor gets a parameter: it names the target's code and the stored parameter text and
// gets back the new parameter text, or " " when the user cancelled or left the dialog empty.
// The prompter stands for the five modal dialogs, so tests can answer them with a script.
#include <string>
#include <vector>

namespace zv {

enum class ModalResult { kOk, kCancel };

inline constexpr int kTypeTextCode = 601;
inline constexpr int kKeyCombinationCode = 602;
inline constexpr int kKeySequenceCode = 603;
inline constexpr int kRunCode = 604;
inline constexpr int kTapHoldCode = 605;

class ParameterPrompter {
 public:
  virtual ~ParameterPrompter() = default;
  // Each answer is the dialog's GetParameter after OK, or " " after Cancel or the close box.
  virtual std::string AskTypeText(const std::string& initial) = 0;
  virtual std::string AskKeyCombination(const std::string& initial) = 0;
  virtual std::string AskKeySequence(const std::string& initial) = 0;
  virtual std::string AskRun(const std::string& initial) = 0;
  // layers: the names of the settings file's layers, offered as hold targets.
  virtual std::string AskTapHold(const std::string& initial,
                                 const std::vector<std::string>& layers) = 0;
};

// Opens the dialog that belongs to the code (601 to 605) with the initial text ("0" when
// nothing is stored); any other code has no dialog and gives " ".
std::string EditParameterOfCode(int code, const std::string& initial, ParameterPrompter& prompter,
                                const std::vector<std::string>& layers = {});

// The life of every parameter dialog: InitialParameter set, shown modally, GetParameter asked
// only after OK.
template <class Dialog>
std::string RunParameterDialog(Dialog& dialog, const std::string& initial) {
  dialog.InitialParameter = initial;
  if (dialog.ShowModal() != ModalResult::kOk) return " ";
  return dialog.GetParameter();
}

}  // namespace zv
