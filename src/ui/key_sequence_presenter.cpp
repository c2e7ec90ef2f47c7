#include "ui/key_sequence_presenter.h"

#include <algorithm>
#include <cctype>

#include "catalogue/key_catalogue.h"
#include "catalogue/key_lists.h"
#include "catalogue/parameter_forms.h"
#include "ui/parameter_dialog_rules.h"

namespace zv {

namespace {
constexpr char kDelayName[] = "Delay";

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}
}  // namespace

std::vector<std::string> SequenceBoxItems() {
  std::vector<std::string> items;
  for (const auto& name : KeySequenceList()) items.emplace_back(name);
  return items;
}

KeySequencePresenter::KeySequencePresenter(KeySequenceView& view, platform::KeyState& keys,
                                           std::vector<std::string> boxItems)
    : view_(view), keys_(keys), boxItems_(std::move(boxItems)) {}

void KeySequencePresenter::FormShow(const std::string& initialParameter) {
  if (IsEmptyParameter(initialParameter)) return;
  std::vector<std::string> items = view_.Items();
  for (auto& item : SplitSequence(initialParameter)) items.push_back(std::move(item));
  view_.SetItems(items, -1);
}

int KeySequencePresenter::BoxKeyDown(int virtualKey) {
  if (virtualKey == kTabKey) return virtualKey;
  const std::string name(KeyNameOfCode(SidedModifierCode(virtualKey, keys_)));
  if (name != " ") view_.SetBoxText(name);
  return kIgnoredKey;
}

void KeySequencePresenter::BoxChanged() {
  if (view_.BoxText() != kDelayName) return;
  std::string interval;
  if (!view_.AskDelay(&interval) || interval.empty()) return;
  Append({DelayItem(interval)});
}

void KeySequencePresenter::Append(std::vector<std::string> added) {
  std::vector<std::string> items = view_.Items();
  items.insert(items.end(), added.begin(), added.end());
  if (!ParameterFits(JoinSequence(items))) return view_.Tell(kParameterLimitMessage);
  view_.SetItems(items, view_.SelectedIndex());
}

const std::string* KeySequencePresenter::FindBoxItem(const std::string& text) const {
  for (const auto& item : boxItems_) {
    if (EqualIgnoringCase(item, text)) return &item;
  }
  return nullptr;
}

void KeySequencePresenter::Add() {
  const std::string text = view_.BoxText();
  const std::string* name = text.empty() ? nullptr : FindBoxItem(text);
  // "Delay" is no key, however its letters are cased; it only comes through the delay dialog.
  if (name == nullptr || *name == kDelayName) return;
  Append({KeyDownItem(*name), KeyUpItem(*name)});
}

void KeySequencePresenter::Delete() {
  std::vector<std::string> items = view_.Items();
  const int selected = view_.SelectedIndex();
  if (selected < 0 || selected >= static_cast<int>(items.size())) return;
  items.erase(items.begin() + selected);
  view_.SetItems(items, -1);
}

void KeySequencePresenter::Clear() {
  view_.SetItems({}, -1);
}

void KeySequencePresenter::Move(int from, int to) {
  std::vector<std::string> items = view_.Items();
  std::string item = std::move(items[from]);
  items.erase(items.begin() + from);
  items.insert(items.begin() + to, std::move(item));
  view_.SetItems(items, to);
}

void KeySequencePresenter::Up() {
  const int count = static_cast<int>(view_.Items().size());
  const int selected = view_.SelectedIndex();
  if (selected < 0 || selected >= count) return;
  Move(selected, selected > 0 ? selected - 1 : count - 1);
}

void KeySequencePresenter::Down() {
  const int count = static_cast<int>(view_.Items().size());
  const int selected = view_.SelectedIndex();
  if (selected < 0 || selected >= count) return;
  Move(selected, selected < count - 1 ? selected + 1 : 0);
}

bool KeySequencePresenter::BeginDrag(int index) {
  std::vector<std::string> items = view_.Items();
  if (index < 0 || index >= static_cast<int>(items.size())) return false;
  view_.SetItems(items, index);
  return true;
}

bool KeySequencePresenter::CanDrop(int target) const {
  const int count = static_cast<int>(view_.Items().size());
  const int selected = view_.SelectedIndex();
  // Without a selected item there is nothing to move.
  return selected >= 0 && selected < count && target >= 0 && target < count && target != selected;
}

void KeySequencePresenter::Drop(int target) {
  if (CanDrop(target)) Move(view_.SelectedIndex(), target);
}

std::string KeySequencePresenter::GetParameter() const {
  const std::vector<std::string> items = view_.Items();
  return items.empty() ? std::string(" ") : JoinSequence(items);
}

}  // namespace zv
