#pragma once
// The rules of the key-sequence editor: the box cbb1 that names a key or "Delay", the list lst1
// of sequence items, and the buttons Add, Delete, Up, Down and Clear beside it.
#include <string>
#include <vector>

#include "platform/key_state.h"

namespace zv {

class KeySequenceView {
 public:
  virtual ~KeySequenceView() = default;
  virtual std::string BoxText() const = 0;
  virtual void SetBoxText(const std::string& text) = 0;
  virtual std::vector<std::string> Items() const = 0;
  virtual int SelectedIndex() const = 0;  // -1 when no item is selected
  // Replaces the list's items and selects one (-1: none).
  virtual void SetItems(const std::vector<std::string>& items, int selected) = 0;
  // Shows the delay dialog modally; true with its interval when it was closed with OK.
  virtual bool AskDelay(std::string* interval) = 0;
  // A message box in the dialog's own caption.
  virtual void Tell(const std::string& text) = 0;
};

// The code that replaces a captured key, so that the box's own handling ignores it.
inline constexpr int kIgnoredKey = 300;
inline constexpr int kTabKey = 9;

// The key sequence list of the catalogue ("Delay" and the key names), as the box lists it.
std::vector<std::string> SequenceBoxItems();

class KeySequencePresenter {
 public:
  KeySequencePresenter(KeySequenceView& view, platform::KeyState& keys,
                       std::vector<std::string> boxItems);

  void FormShow(const std::string& initialParameter);
  // cbb1KeyDown: names the key in the box and gives the code to hand on (kIgnoredKey for a
  // captured key; Tab is not captured and moves the focus).
  int BoxKeyDown(int virtualKey);
  // cbb1Change: the user picked an item of the box.
  void BoxChanged();

  void Add();     // btn1Click
  void Delete();  // btn2Click
  void Clear();   // btn3Click
  void Up();      // btn4Click
  void Down();    // btn5Click

  // Dragging within the list: a drag starts on an item and selects it; the drop is accepted
  // only over an existing item other than the selected one and moves the selected item there.
  bool BeginDrag(int index);
  bool CanDrop(int target) const;
  void Drop(int target);

  // " " for an empty list, otherwise the joined items.
  std::string GetParameter() const;

 private:
  // The box's list item that equals text regardless of letter case; nullptr if none.
  const std::string* FindBoxItem(const std::string& text) const;
  // Shows items, or says that the parameter limit is reached when they would not fit.
  void Append(std::vector<std::string> items);
  void Move(int from, int to);

  KeySequenceView& view_;
  platform::KeyState& keys_;
  std::vector<std::string> boxItems_;
};

}  // namespace zv
