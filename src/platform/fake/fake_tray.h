#pragma once
// The notification area for native tests: what it shows of the program's icon.
#include <string>
#include <vector>

#include "platform/shell.h"
#include "platform/tray.h"

namespace zv::fake {

class FakeTray : public platform::Tray {
 public:
  // The shell keeps 127 characters of a tooltip, 63 of a balloon's title and 255 of its text.
  void ShowTrayIcon(const std::string& tip) override {
    shown = true;
    this->tip = tip.substr(0, 127);
  }
  void SetTrayHint(const std::string& tip) override { this->tip = tip.substr(0, 127); }
  void ShowBalloon(const std::string& title, const std::string& text,
                   unsigned timeoutSeconds) override {
    balloonTitle = title.substr(0, 63);
    balloonText = text.substr(0, 255);
    balloonSeconds = timeoutSeconds;
  }
  void HideBalloon() override { balloonText.clear(); }
  void SetActiveLook(bool active) override { activeLook = active; }
  void RemoveTrayIcon() override { shown = false; }

  bool shown = false;
  bool activeLook = true;
  std::string tip;
  std::string balloonTitle, balloonText;
  unsigned balloonSeconds = 0;
};

class FakeShell : public platform::Shell {
 public:
  bool Open(const std::string& target) override {
    opened.push_back(target);
    return true;
  }
  std::vector<std::string> opened;
};

}  // namespace zv::fake
