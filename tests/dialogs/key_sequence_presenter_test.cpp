#include "ui/key_sequence_presenter.h"

#include <gtest/gtest.h>

#include "catalogue/key_lists.h"
#include "platform/fake/fake_key_state.h"

namespace zv {
namespace {

using List = std::vector<std::string>;

// The list box and the box as plain values; the delay dialog answers from a script.
struct FakeView : KeySequenceView {
  std::string box;
  List items;
  int selected = -1;
  bool delayOk = true;
  std::string delayText;
  int delayAsked = 0;

  std::string BoxText() const override { return box; }
  void SetBoxText(const std::string& text) override { box = text; }
  List Items() const override { return items; }
  int SelectedIndex() const override { return selected; }
  void SetItems(const std::vector<std::string>& list, int select) override {
    items = list;
    selected = select;
  }
  bool AskDelay(std::string* interval) override {
    ++delayAsked;
    *interval = delayText;
    return delayOk;
  }
  void Tell(const std::string&) override {}
};

class KeySequenceEditor : public testing::Test {
 protected:
  FakeView view;
  fake::FakeKeyState keys;
  KeySequencePresenter presenter{view, keys, SequenceBoxItems()};

  void Show(List items, int selected) {
    view.items = std::move(items);
    view.selected = selected;
  }
};

TEST_F(KeySequenceEditor, BoxListsTheCatalogueSequenceList) {
  const List box = SequenceBoxItems();
  ASSERT_EQ(box.size(), 121u);
  EXPECT_EQ(box.front(), "Delay");
  EXPECT_EQ(box, KeySequenceList());
}

TEST_F(KeySequenceEditor, FormShowFillsTheListFromTheStoredText) {
  presenter.FormShow("KeyDown A,Delay 100,KeyUp A,");
  EXPECT_EQ(view.items, (List{"KeyDown A", "Delay 100", "KeyUp A"}));
  EXPECT_EQ(presenter.GetParameter(), "KeyDown A,Delay 100,KeyUp A,");
}

TEST_F(KeySequenceEditor, FormShowLeavesTheListEmptyForNoParameter) {
  presenter.FormShow("0");
  presenter.FormShow(" ");
  EXPECT_TRUE(view.items.empty());
  EXPECT_EQ(presenter.GetParameter(), " ");
}

TEST_F(KeySequenceEditor, FormShowOfAwkwardTexts) {
  presenter.FormShow("KeyDown ,,KeyUp ,,");
  EXPECT_EQ(view.items, (List{"KeyDown ", "", "KeyUp ", ""}));
  EXPECT_EQ(presenter.GetParameter(), "KeyDown ,,KeyUp ,,");
  presenter.Clear();
  presenter.FormShow("None");
  EXPECT_EQ(view.items, (List{"None"}));
  presenter.Clear();
  presenter.FormShow("KeyDown A,KeyUp A");  // no trailing comma: nothing lost, comma added
  EXPECT_EQ(presenter.GetParameter(), "KeyDown A,KeyUp A,");
}

TEST_F(KeySequenceEditor, AddAppendsKeyDownAndKeyUp) {
  view.box = "A";
  presenter.Add();
  view.box = "left ctrl";  // the box's own search ignores letter case; the list's spelling wins
  presenter.Add();
  EXPECT_EQ(view.items, (List{"KeyDown A", "KeyUp A", "KeyDown Left Ctrl", "KeyUp Left Ctrl"}));
}

TEST_F(KeySequenceEditor, AddIgnoresEmptyUnlistedAndDelay) {
  for (const char* text : {"", "Num Del", "Delay", "delay", "Left Ctr", " "}) {
    view.box = text;
    presenter.Add();
  }
  EXPECT_TRUE(view.items.empty());
  EXPECT_EQ(view.delayAsked, 0);
}

TEST_F(KeySequenceEditor, KeyCaptureNamesTheKeyAndSwallowsIt) {
  EXPECT_EQ(presenter.BoxKeyDown(65), kIgnoredKey);
  EXPECT_EQ(view.box, "A");
  keys.Press(163);  // right Ctrl: the generic code becomes the sided one
  EXPECT_EQ(presenter.BoxKeyDown(17), kIgnoredKey);
  EXPECT_EQ(view.box, "Right Ctrl");
  keys.Press(160);
  EXPECT_EQ(presenter.BoxKeyDown(16), kIgnoredKey);
  EXPECT_EQ(view.box, "Left Shift");
}

TEST_F(KeySequenceEditor, KeyCaptureOfUnnamedKeysAndTab) {
  view.box = "B";
  EXPECT_EQ(presenter.BoxKeyDown(124), kIgnoredKey);  // F13 has no name: text stays
  EXPECT_EQ(view.box, "B");
  EXPECT_EQ(presenter.BoxKeyDown(kTabKey), kTabKey);  // Tab moves the focus
  EXPECT_EQ(view.box, "B");
}

TEST_F(KeySequenceEditor, CapturedNameMissingFromTheListIsNotAdded) {
  presenter.BoxKeyDown(110);  // the pad's Del key
  ASSERT_EQ(view.box, "Num Del");
  presenter.Add();
  presenter.BoxKeyDown(144);  // "Num Lock", while the list spells "NumLock"
  ASSERT_EQ(view.box, "Num Lock");
  presenter.Add();
  EXPECT_TRUE(view.items.empty());
  presenter.BoxKeyDown(46);
  presenter.Add();
  EXPECT_EQ(view.items, (List{"KeyDown Delete", "KeyUp Delete"}));
}

TEST_F(KeySequenceEditor, PickingDelayAddsTheInterval) {
  view.box = "Delay";
  view.delayText = "250";
  presenter.BoxChanged();
  view.delayText = "1.5";  // kept as typed
  presenter.BoxChanged();
  EXPECT_EQ(view.items, (List{"Delay 250", "Delay 1.5"}));
  EXPECT_EQ(view.delayAsked, 2);
}

TEST_F(KeySequenceEditor, DelayCancelledOrEmptyAddsNothing) {
  view.box = "Delay";
  view.delayText = "250";
  view.delayOk = false;
  presenter.BoxChanged();
  view.delayOk = true;
  view.delayText = "";
  presenter.BoxChanged();
  view.box = "A";  // any other pick does nothing at all
  presenter.BoxChanged();
  EXPECT_TRUE(view.items.empty());
  EXPECT_EQ(view.delayAsked, 2);
}

TEST_F(KeySequenceEditor, DeleteRemovesTheSelectedItem) {
  Show({"a", "b", "c"}, 1);
  presenter.Delete();
  EXPECT_EQ(view.items, (List{"a", "c"}));
  EXPECT_EQ(view.selected, -1);
  presenter.Delete();  // no selection: nothing
  EXPECT_EQ(view.items, (List{"a", "c"}));
}

TEST_F(KeySequenceEditor, ClearRemovesAll) {
  Show({"a", "b"}, 0);
  presenter.Clear();
  EXPECT_TRUE(view.items.empty());
  EXPECT_EQ(presenter.GetParameter(), " ");
}

TEST_F(KeySequenceEditor, UpMovesAndWrapsToTheEnd) {
  Show({"a", "b", "c"}, 2);
  presenter.Up();
  EXPECT_EQ(view.items, (List{"a", "c", "b"}));
  EXPECT_EQ(view.selected, 1);
  presenter.Up();
  EXPECT_EQ(view.items, (List{"c", "a", "b"}));
  EXPECT_EQ(view.selected, 0);
  presenter.Up();  // the first goes to the third place
  EXPECT_EQ(view.items, (List{"a", "b", "c"}));
  EXPECT_EQ(view.selected, 2);
}

TEST_F(KeySequenceEditor, DownMovesAndWrapsToTheTop) {
  Show({"a", "b", "c"}, 0);
  presenter.Down();
  EXPECT_EQ(view.items, (List{"b", "a", "c"}));
  EXPECT_EQ(view.selected, 1);
  presenter.Down();
  EXPECT_EQ(view.items, (List{"b", "c", "a"}));
  EXPECT_EQ(view.selected, 2);
  presenter.Down();  // the last goes to the first place
  EXPECT_EQ(view.items, (List{"a", "b", "c"}));
  EXPECT_EQ(view.selected, 0);
}

TEST_F(KeySequenceEditor, UpAndDownNeedASelection) {
  Show({}, -1);
  presenter.Up();
  presenter.Down();
  EXPECT_TRUE(view.items.empty());
  Show({"a", "b"}, -1);
  presenter.Up();
  presenter.Down();
  EXPECT_EQ(view.items, (List{"a", "b"}));
  EXPECT_EQ(view.selected, -1);
  Show({"only"}, 0);
  presenter.Up();
  presenter.Down();
  EXPECT_EQ(view.items, (List{"only"}));
  EXPECT_EQ(view.selected, 0);
}

TEST_F(KeySequenceEditor, DragMovesTheSelectedItemToTheTarget) {
  Show({"a", "b", "c", "d"}, -1);
  ASSERT_TRUE(presenter.BeginDrag(0));
  EXPECT_EQ(view.selected, 0);
  presenter.Drop(2);  // the items between shift up by one
  EXPECT_EQ(view.items, (List{"b", "c", "a", "d"}));
  EXPECT_EQ(view.selected, 2);
  presenter.BeginDrag(3);
  presenter.Drop(0);  // and down by one the other way
  EXPECT_EQ(view.items, (List{"d", "b", "c", "a"}));
  EXPECT_EQ(view.selected, 0);
}

TEST_F(KeySequenceEditor, DropIsRefusedOutsideTheItemsAndOnTheSelected) {
  Show({"a", "b", "c"}, 1);
  EXPECT_FALSE(presenter.CanDrop(1));
  EXPECT_FALSE(presenter.CanDrop(-1));
  EXPECT_FALSE(presenter.CanDrop(3));
  EXPECT_TRUE(presenter.CanDrop(0));
  EXPECT_TRUE(presenter.CanDrop(2));
  presenter.Drop(1);
  presenter.Drop(3);
  presenter.Drop(-1);
  EXPECT_EQ(view.items, (List{"a", "b", "c"}));
  EXPECT_EQ(view.selected, 1);
  EXPECT_FALSE(presenter.BeginDrag(3));
  EXPECT_FALSE(presenter.BeginDrag(-1));
  view.selected = -1;  // nothing selected: nothing to move
  EXPECT_FALSE(presenter.CanDrop(0));
  presenter.Drop(0);
  EXPECT_EQ(view.items, (List{"a", "b", "c"}));
}

}  // namespace
}  // namespace zv
