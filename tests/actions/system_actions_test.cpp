// Volume, power, CD tray, mouse, monitor and screensaver: what each asks of the system, and
// which of it happens on the worker ("bg:") rather than on the main thread.
#include "tests/actions/action_fixture.h"

namespace zv::testing_actions {
namespace {

TEST_F(ActionsTest, VolumeStepsByAboutATwentiethAndStopsAtBothEnds) {
  struct Case {
    const char* action;
    std::uint16_t from, to;
  };
  for (Case c : {Case{"Volume Up", 0, 3280}, Case{"Volume Up", 62254, 65534},
                 Case{"Volume Up", 62255, 65535}, Case{"Volume Up", 65535, 65535},
                 Case{"Volume Down", 65535, 62255}, Case{"Volume Down", 3281, 1},
                 Case{"Volume Down", 3280, 0}, Case{"Volume Down", 0, 0}}) {
    volume.value = c.from;
    EXPECT_EQ(Run(c.action), "volume:" + std::to_string(c.to)) << c.action << " " << c.from;
  }
}

TEST_F(ActionsTest, PowerActionsEnableThePrivilegeFirstOnTheWorker) {
  EXPECT_EQ(Run("Shutdown"), "bg:privilege bg:exit:8");
  EXPECT_EQ(Run("Restart"), "bg:privilege bg:exit:2");
  EXPECT_EQ(Run("Logout"), "bg:privilege bg:exit:0");
}

TEST_F(ActionsTest, HibernateAndSuspendUseSetSuspendState) {
  EXPECT_EQ(Run("Hibernate"), "bg:privilege bg:suspend:hibernate");
  EXPECT_EQ(Run("Suspend"), "bg:privilege bg:suspend:sleep");
}

TEST_F(ActionsTest, CdTrayCommandsWaitOnTheWorker) {
  EXPECT_EQ(Run("Eject cdrom driver"), "bg:mci:Set cdaudio door open wait");
  EXPECT_EQ(Run("Close cdrom driver"), "bg:mci:Set cdaudio door closed wait");
  EXPECT_FALSE(actions.CdromDoorOpen());  // the separate commands leave the toggle alone
}

TEST_F(ActionsTest, CdToggleOpensFirstThenAlternatesWhateverTheDriveSays) {
  media.result = 275;  // no such device
  EXPECT_EQ(Run("Close cdrom driver"), "bg:mci:Set cdaudio door closed wait");
  EXPECT_EQ(Run("Eject/Close Cdrom Driver"), "bg:mci:Set cdaudio door open wait");
  EXPECT_TRUE(actions.CdromDoorOpen());
  EXPECT_EQ(Run("Eject cdrom driver"), "bg:mci:Set cdaudio door open wait");
  EXPECT_EQ(Run("Eject/Close Cdrom Driver"), "bg:mci:Set cdaudio door closed wait");
  EXPECT_EQ(Run("Eject/Close Cdrom Driver"), "bg:mci:Set cdaudio door open wait");
}

TEST_F(ActionsTest, ActionsQueuedBehindADeviceCommandWaitForIt) {
  actions.RunAction("Eject/Close Cdrom Driver", "");
  actions.RunAction("Eject/Close Cdrom Driver", "");
  actions.RunAction("CleanText", "");
  scheduler.RunAll();
  EXPECT_EQ(journal.Text(),
            "bg:mci:Set cdaudio door open wait bg:mci:Set cdaudio door closed wait "
            "+17 +65 -65 -17 +8 -8");
}

TEST_F(ActionsTest, MouseClicksWhereTheCursorIs) {
  EXPECT_EQ(Run("Click Left Mouse Button"), "mouse:2 mouse:4");
  EXPECT_EQ(Run("Click Right Mouse Button"), "mouse:8 mouse:16");
}

TEST_F(ActionsTest, MonitorGoesOffAfterAPauseThatDoesNotHoldTheMainThread) {
  actions.RunAction("Turn Off Monitor", "");
  scheduler.Advance(1499);
  EXPECT_EQ(journal.Text(), "");
  actions.RunAction("CleanText", "");  // queues behind the pause
  scheduler.Advance(1);
  // WM_SYSCOMMAND (274), SC_MONITORPOWER (61808), low power, to the application window.
  EXPECT_EQ(journal.Text(),
            "post:7:274:61808:1 +17@1500 +65@1500 -65@1500 -17@1500 +8@1500 -8@1500");
}

TEST_F(ActionsTest, ScreensaverIsSentToTheDesktopFromTheWorker) {
  // WM_SYSCOMMAND (274), SC_SCREENSAVE (61760).
  EXPECT_EQ(Run("Activate Screensaver"), "bg:send:1:274:61760:0");
}

}  // namespace
}  // namespace zv::testing_actions
