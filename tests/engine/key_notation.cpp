#include "tests/engine/key_notation.h"

#include <map>
#include <sstream>
#include <stdexcept>

namespace zv::testing_engine {
namespace {

const std::map<std::string, int>& Words() {
  static const std::map<std::string, int> words = {
      {"LShift", 160},  {"RShift", 161},   {"LCtrl", 162}, {"RCtrl", 163}, {"LAlt", 164},
      {"RAlt", 165},    {"AltGr", kAltGr}, {"Space", 32},  {"Enter", 13},  {"VolUp", 175},
      {"VolDown", 174}, {"NumLock", 144},  {"Back", 166},  {"Fwd", 167},   {"Caps", 20},
      {"Null", 0},      {"Shift", 16},     {"LWin", 91},   {"Bksp", 8},    {"Mask", 232},
      {"Esc", 27},      {"Tab", 9},        {"Left", 37},   {"Click", 1},   {"Del", 46},
  };
  return words;
}

int VkOf(const std::string& name) {
  if (name.size() == 1 &&
      ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
    return name[0];
  if (name.size() > 1 && name[0] == '#') return std::stoi(name.substr(1));
  if (name.size() > 1 && name[0] == 'F' &&
      name.find_first_not_of("0123456789", 1) == std::string::npos)
    return 111 + std::stoi(name.substr(1));
  auto it = Words().find(name);
  if (it == Words().end()) throw std::invalid_argument("unknown key " + name);
  return it->second;
}

}  // namespace

std::vector<KeyStroke> ParseKeys(const std::string& text) {
  std::vector<KeyStroke> keys;
  std::istringstream in(text);
  std::string token;
  while (in >> token) {
    if (token.size() < 2 || (token[0] != '+' && token[0] != '-'))
      throw std::invalid_argument("bad token " + token);
    bool sys = token[1] == '^';
    std::size_t at = token.find('@');
    int time = at == std::string::npos ? -1 : std::stoi(token.substr(at + 1));
    std::string name = token.substr(sys ? 2 : 1, at == std::string::npos ? at : at - (sys ? 2 : 1));
    keys.push_back({VkOf(name), token[0] == '+', sys, time});
  }
  return keys;
}

std::string KeyToken(int vk) {
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, char(vk));
  if (vk >= 112 && vk <= 123) return "F" + std::to_string(vk - 111);
  for (const auto& w : Words()) {
    if (w.second == vk) return w.first;
  }
  return "#" + std::to_string(vk);
}

std::string FormatEvents(const std::vector<platform::KeyEvent>& events) {
  std::string out;
  for (const auto& e : events) {
    bool up = e.message == platform::kWmKeyUp || e.message == platform::kWmSysKeyUp;
    bool sys = e.message == platform::kWmSysKeyDown || e.message == platform::kWmSysKeyUp;
    if (!out.empty()) out += ' ';
    out += up ? '-' : '+';
    if (sys) out += '^';
    out += KeyToken(static_cast<int>(e.vkCode));
  }
  return out;
}

}  // namespace zv::testing_engine
