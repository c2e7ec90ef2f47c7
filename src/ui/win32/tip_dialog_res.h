#pragma once
// Resource and control ids of the tip dialog (resource ids 3000 to 3099 are its). "OK" is IDOK,
// so Enter presses it; Esc and the close box give IDCANCEL, which writes nothing.

#define IDD_TfrmTipWithNoShowAgain 3000
#define IDC_TfrmTipWithNoShowAgain_Image1 3001
#define IDC_TfrmTipWithNoShowAgain_Label1 3002
#define IDC_TfrmTipWithNoShowAgain_CBNotShowAgain 3003
