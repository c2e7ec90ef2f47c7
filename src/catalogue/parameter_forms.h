#pragma once
// The text forms in which the three parameterised targets keep their parameters: what the
// dialogs hand back, what the settings file stores under "Parameter", and what the actions
// read again. Everything that writes or reads one of these forms goes through this file.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

// " " and "0" both stand for "no parameter" in the type-text and key-sequence forms.
bool IsEmptyParameter(std::string_view form);

// --- Type text: the text with every line break written as "#".

// Every line break (CR LF, and a lone CR or LF as well, so that no line break can ever reach
// the settings file) becomes "#".
std::string TypeTextForm(std::string_view text);
// Every "#" becomes CR LF; nothing else changes (a "#" the user typed comes back as a break).
std::string TextOfTypeTextForm(std::string_view form);

// --- Key combination: the decimal shortcut word. The Win bit sits above the 16 bits of the
// hotkeys' word, so a word without it means what it always meant.

inline constexpr std::uint32_t kShortcutShift = 0x2000;
inline constexpr std::uint32_t kShortcutCtrl = 0x4000;
inline constexpr std::uint32_t kShortcutAlt = 0x8000;
inline constexpr std::uint32_t kShortcutWin = 0x10000;

struct KeyCombination {
  int key = 0;  // virtual-key code, 0 to 255; 0 with no modifiers is the empty field
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool win = false;
  bool operator==(const KeyCombination& o) const {
    return key == o.key && shift == o.shift && ctrl == o.ctrl && alt == o.alt && win == o.win;
  }
};

// The low 17 bits (the key, Shift, Ctrl, Alt and Win) of a strictly decimal text; throws
// "'%s' is not a valid integer value".
std::uint32_t ShortcutWordOfText(std::string_view text);
// Decimal text of the shortcut word ("0" for the empty combination).
std::string KeyCombinationForm(const KeyCombination& combination);
// Reads the form back: the key from bits 0 to 7 (bits 8 to 12 are ignored), the modifiers from
// bits 13 to 16. Throws like ShortcutWordOfText.
KeyCombination KeyCombinationOfForm(std::string_view form);
// How a combination reads for the user: "Win+Ctrl+Alt+Shift+E" (that order), the key by its
// key-table name; "" for the empty combination.
std::string KeyCombinationText(const KeyCombination& combination);

// --- Run: a command line, a document or an address, as the user wrote it.

struct RunCommand {
  std::string file;       // what the shell opens
  std::string arguments;  // handed to it; empty for none
};

// A path in double quotes ("C:\Program Files\x.exe" --fast) is the file whole; otherwise the
// file ends at the first blank, as an unquoted path with blanks would be misread by anyone
// (blanks around both parts are dropped).
RunCommand RunCommandOfForm(std::string_view form);
// The form that opens a picked file: its path in double quotes.
std::string RunFormOfPath(std::string_view path);

// --- Key sequence: items, each followed by ",".

inline constexpr std::string_view kKeyDownPrefix = "KeyDown ";
inline constexpr std::string_view kKeyUpPrefix = "KeyUp ";
inline constexpr std::string_view kDelayPrefix = "Delay ";

std::string KeyDownItem(std::string_view keyName);
std::string KeyUpItem(std::string_view keyName);
std::string DelayItem(std::string_view interval);

// Drops one trailing "," (unless the text is exactly "None") and splits at every ",": items may
// be empty and there is always at least one.
std::vector<std::string> SplitSequence(std::string_view text);
// Each item followed by ",".
std::string JoinSequence(const std::vector<std::string>& items);

// How a player reads one item: "KeyDown" in front makes a key-down of the name from the 9th
// character on; "Delay" in front a pause of the text from the 7th character on; anything else
// counts as a key-up of the text from the 7th character on.
enum class SequenceStep { kKeyDown, kDelay, kKeyUp };
struct SequenceItem {
  SequenceStep step;
  std::string argument;  // key name or delay text
};
SequenceItem ReadSequenceItem(std::string_view item);

}  // namespace zv
