#pragma once
// Resource and control ids of the main window (resource ids 3000 to 3999 are its own): the
// panel below the caption with the page control, the key boxes and the buttons, and the four
// pages shown in the page control. Control ids carry the controls' names.

#define IDD_MainPanel 3000
#define IDC_PageControl1 3001
#define IDC_Label7 3002
#define IDC_cbbOldKey 3003
#define IDC_Label12 3004
#define IDC_cbbNewKey 3005
#define IDC_Button3 3006
#define IDC_BitBtn8 3007
#define IDC_BitBtn9 3008
#define IDC_BitBtn10 3009
#define IDC_BitBtn3 3010

#define IDD_TabSheet1 3100
#define IDC_SwapKeyList 3101

#define IDD_TabSheet4 3200
#define IDC_RegListView 3201
#define IDC_RegMapNote 3202

#define IDD_TabSheet2 3300
#define IDC_GroupBox2 3301
#define IDC_CheckBox1 3302
#define IDC_CheckBox2 3303
#define IDC_GroupBox1 3304
#define IDC_Label1 3305
#define IDC_HotKey1 3306
#define IDC_Label2 3307
#define IDC_HotKey2 3308

#define IDD_TabSheet5 3400
#define IDC_Panel2 3401
#define IDC_img1 3402
#define IDC_Label4 3403
#define IDC_Label8 3404
#define IDC_Label13 3405
#define IDC_Label14 3406
#define IDC_Label9 3407
#define IDC_EmailLabel 3408
#define IDC_Label10 3409

// The list popup menu PopupMenu2 and the status bar.
#define IDM_N7 3501
#define IDM_N4 3502
#define IDC_StatusBar1 3503

// The target menu PopupMenu3: item i of TargetMenuItems() has the command IDM_TargetMenu + i.
#define IDM_TargetMenu 3600
