// The selection lists, in the order the boxes show them.
#include "catalogue/key_lists.h"

#include <initializer_list>

namespace zv {
namespace {

using List = std::vector<std::string>;

void Append(List& list, std::initializer_list<const char*> names) {
  list.insert(list.end(), names.begin(), names.end());
}

// prefix followed by each character from first to last.
void AppendRange(List& list, const std::string& prefix, char first, char last) {
  for (char c = first; c <= last; ++c) list.push_back(prefix + c);
}

void AppendFunctionKeys(List& list) {
  for (int n = 1; n <= 12; ++n) list.push_back("F" + std::to_string(n));
}

// "0" to "Page Down": the block that the source and target lists share.
void AppendMainKeys(List& list) {
  AppendRange(list, "", '0', '9');
  AppendRange(list, "", 'A', 'Z');
  Append(list, {"Esc"});
  AppendFunctionKeys(list);
  Append(list, {"`", "_", "=", "\\", ";", "\"", ",", ".", "/", "{", "}"});
  Append(list, {"Enter", "Tab", "Menu", "Left Shift", "Left Ctrl", "Left Alt", "Left Win",
                "Right Shift", "Right Ctrl", "Right Alt", "Right Win", "BackSpace", "SpaceBar"});
  Append(list, {"Up Arrow", "Left Arrow", "Right Arrow", "Down Arrow", "Delete", "Insert", "Home",
                "End", "Page Up", "Page Down"});
}

List BuildOriginalKeyList() {
  List list;
  AppendMainKeys(list);
  Append(list, {"Print Screen", "Pause Break", "Scroll Lock", "Caps Lock", "NumLock", "Num /"});
  AppendRange(list, "Num ", '0', '9');
  Append(list, {"Num -", "Num *", "Num +", "Num Del"});
  Append(list, {"Mute", "Volume Up", "Volume Down", "Open Media", "Play/Pause", "Stop",
                "Last Track", "Next Track", "Calculator", "Email", "My Computer", "Power Off",
                "Sleep", "WWW Back", "WWW Forward", "WWW Stop", "WWW Refresh", "WWW Favorites"});
  return list;
}

List BuildChangedToList() {
  List list;
  Append(list, {"DisableKey",
                "TypeText",
                "CleanText",
                "KeyCombination",
                "KeySequence",
                "Run",
                "TapHold",
                "Volume Up",
                "Volume Down",
                "Mute",
                "Shutdown",
                "Restart",
                "Logout",
                "Hibernate",
                "Suspend",
                "Back",
                "Forward",
                "Turn Off Monitor",
                "Activate Screensaver",
                "Eject/Close Cdrom Driver",
                "Open Media",
                "Play/Pause",
                "Stop",
                "Last Track",
                "Next Track",
                "Calculator",
                "Email",
                "My Computer",
                "WWW Stop",
                "WWW Refresh",
                "WWW Favorites",
                "Internet Explorer",
                "Click Left Mouse Button",
                "Click Right Mouse Button"});
  AppendMainKeys(list);
  Append(list, {"Caps Lock", "Scroll Lock", "NumLock", "Num /"});
  AppendRange(list, "Num ", '0', '9');
  Append(list, {"Num -", "Num *", "Num +"});
  return list;
}

List BuildKeySequenceList() {
  List list{"Delay"};
  for (const std::string& name : OriginalKeyList())
    if (name != "Num Del") list.push_back(name);
  return list;
}

}  // namespace

const std::vector<std::string>& OriginalKeyList() {
  static const List list = BuildOriginalKeyList();
  return list;
}

const std::vector<std::string>& ChangedToList() {
  static const List list = BuildChangedToList();
  return list;
}

const std::vector<std::string>& KeySequenceList() {
  static const List list = BuildKeySequenceList();
  return list;
}

}  // namespace zv
