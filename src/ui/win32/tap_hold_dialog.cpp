#include "ui/win32/tap_hold_dialog.h"

#include "catalogue/parameter_forms.h"
#include "catalogue/tap_hold_form.h"
#include "ui/win32/parameter_dialogs_res.h"

namespace zv::win32 {

namespace {
constexpr int kRuleButtons[] = {IDC_TfrmTapHold_rbPress, IDC_TfrmTapHold_rbRelease,
                                IDC_TfrmTapHold_rbTime};
}  // namespace

TfrmTapHold::TfrmTapHold(HWND owner, std::vector<std::string> layers)
    : ModalDialog(owner, IDD_TfrmTapHold), layers_(std::move(layers)) {}

void TfrmTapHold::OnInit() {
  // A stored parameter that cannot be read (edited by hand) opens as a new one.
  ParsedTapHold stored = ParseTapHold(InitialParameter);
  if (IsEmptyParameter(InitialParameter) || !stored.ok) stored.form = TapHoldForm{};
  const TapHoldForm& form = stored.form;
  std::vector<std::string> holds;
  for (const std::string& layer : layers_) holds.push_back(std::string(kLayerPrefix) + layer);
  for (const std::string& key : HoldKeyNames()) holds.push_back(key);
  FillBox(IDC_TfrmTapHold_cbbTap, TapNames(), form.tap);
  FillBox(IDC_TfrmTapHold_cbbHold, holds, form.hold);
  SetDlgItemInt(hwnd(), IDC_TfrmTapHold_edtTime, static_cast<UINT>(form.ms), FALSE);
  CheckRadioButton(hwnd(), kRuleButtons[0], kRuleButtons[2],
                   kRuleButtons[static_cast<int>(form.rule)]);
}

void TfrmTapHold::FillBox(int id, const std::vector<std::string>& items, const std::string& text) {
  HWND box = Item(id);
  for (const std::string& item : items)
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  // A typed layer that has no section yet is no item: it is shown as text.
  const LRESULT index = text.empty() ? CB_ERR
                                     : SendMessageA(box, CB_FINDSTRINGEXACT, -1,
                                                    reinterpret_cast<LPARAM>(text.c_str()));
  if (index != CB_ERR) {
    SendMessageA(box, CB_SETCURSEL, index, 0);
  } else {
    SetWindowTextA(box, text.c_str());
  }
}

std::string TfrmTapHold::BoxText(int id) {
  HWND box = Item(id);
  const std::string text = WindowText(box);
  const LRESULT index =
      SendMessageA(box, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(text.c_str()));
  const LRESULT length = index == CB_ERR ? CB_ERR : SendMessageA(box, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return text;
  std::string item(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(box, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
  item.resize(static_cast<std::size_t>(length));
  return item;
}

std::string TfrmTapHold::FieldsText() {
  TapHoldForm::Rule rule = TapHoldForm::Rule::Press;
  for (int i = 0; i < 3; ++i) {
    if (IsDlgButtonChecked(hwnd(), kRuleButtons[i]) == BST_CHECKED)
      rule = static_cast<TapHoldForm::Rule>(i);
  }
  return BoxText(IDC_TfrmTapHold_cbbTap) + "|" + BoxText(IDC_TfrmTapHold_cbbHold) + "|" +
         WindowText(Item(IDC_TfrmTapHold_edtTime)) + "|" + std::string(TapHoldRuleWord(rule));
}

bool TfrmTapHold::OnCommand(int id, int) {
  if (id != IDOK) return false;
  const ParsedTapHold parsed = ParseTapHold(FieldsText());
  if (!parsed.ok) {
    Tell(parsed.reason);  // the dialog stays open for a correction
    return true;
  }
  parameter_ = TapHoldText(parsed.form);
  Close(ModalResult::kOk);
  return true;
}

}  // namespace zv::win32
