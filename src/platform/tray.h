#pragma once
// The program's one icon in the notification area: its tooltip, a balloon, and the mouse on it.
#include <string>

namespace zv::platform {

// What the icon reports, on the UI thread.
class TraySink {
 public:
  virtual ~TraySink() = default;
  // A left click, reported once the double-click time has passed without a second press.
  virtual void OnTrayClick() = 0;
  // A double click, reported at once; it gives no click.
  virtual void OnTrayDoubleClick() = 0;
  // A right click: the tray menu opens at the cursor.
  virtual void OnTrayMenu() = 0;
};

class Tray {
 public:
  virtual ~Tray() = default;
  // Shows the icon with its tooltip (up to 127 characters). It is shown again whenever the
  // taskbar is recreated, until RemoveTrayIcon.
  virtual void ShowTrayIcon(const std::string& tip) = 0;
  virtual void SetTrayHint(const std::string& tip) = 0;
  // The information balloon: title up to 63 characters, text up to 255.
  virtual void ShowBalloon(const std::string& title, const std::string& text,
                           unsigned timeoutSeconds) = 0;
  virtual void HideBalloon() = 0;
  // true: the program's icon; false: the greyed one of a suspended engine.
  virtual void SetActiveLook(bool active) = 0;
  virtual void RemoveTrayIcon() = 0;
};

}  // namespace zv::platform
