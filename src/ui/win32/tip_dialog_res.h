#pragma once
// Resource and control ids of the tip dialog (resource ids 2000 to 2099 are its). "OK" is IDOK,
// so Enter presses it; Esc and the close box give IDCANCEL, which writes nothing.

#define IDD_TfrmTipWithNoShowAgain 2000
#define IDC_TfrmTipWithNoShowAgain_Image1 2001
#define IDC_TfrmTipWithNoShowAgain_Label1 2002
#define IDC_TfrmTipWithNoShowAgain_CBNotShowAgain 2003
