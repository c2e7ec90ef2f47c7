#pragma once
// Resource and control ids of the parameter dialogs (resource ids 1000 to 1999 are theirs).
// Every OK button is IDOK and every Cancel button IDCANCEL, so that the dialog manager's Enter,
// Esc and the close box reach the same handlers.

#define IDD_TfrmPasteText 1000
#define IDC_TfrmPasteText_Label1 1001
#define IDC_TfrmPasteText_Memo1 1002

#define IDD_TfrmHotkey 1100
#define IDC_TfrmHotkey_Label1 1101
#define IDC_TfrmHotkey_HotKey1 1102
#define IDC_TfrmHotkey_chkWin 1103
#define IDC_TfrmHotkey_Label2 1104

#define IDD_TfrmKeySequence 1200
#define IDC_TfrmKeySequence_cbb1 1201
#define IDC_TfrmKeySequence_lst1 1202
#define IDC_TfrmKeySequence_btn1 1203
#define IDC_TfrmKeySequence_btn2 1204
#define IDC_TfrmKeySequence_btn3 1205
#define IDC_TfrmKeySequence_btn4 1206
#define IDC_TfrmKeySequence_btn5 1207

#define IDD_TfrmSetDelayTime 1300
#define IDC_TfrmSetDelayTime_Label1 1301
#define IDC_TfrmSetDelayTime_Edit1 1302
#define IDC_TfrmSetDelayTime_Label2 1303
#define IDC_TfrmSetDelayTime_Label3 1304

#define IDD_TfrmRun 1400
#define IDC_TfrmRun_Label1 1401
#define IDC_TfrmRun_Edit1 1402
#define IDC_TfrmRun_btnBrowse 1403

#define IDD_TfrmTapHold 1500
#define IDC_TfrmTapHold_cbbTap 1501
#define IDC_TfrmTapHold_cbbHold 1502
#define IDC_TfrmTapHold_edtTime 1503
#define IDC_TfrmTapHold_rbPress 1504
#define IDC_TfrmTapHold_rbRelease 1505
#define IDC_TfrmTapHold_rbTime 1506
