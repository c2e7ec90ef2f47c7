#pragma once
// Resource and control ids of the main window (resource ids 2000 to 2999 are its own): the
// panel below the caption with the page control, the key boxes and the buttons, and the four
// pages shown in the page control. Control ids carry the controls' names.

#define IDD_MainPanel 2000
#define IDC_PageControl1 2001
#define IDC_Label7 2002
#define IDC_cbbOldKey 2003
#define IDC_Label12 2004
#define IDC_cbbNewKey 2005
#define IDC_Button3 2006
#define IDC_BitBtn8 2007
#define IDC_BitBtn9 2008
#define IDC_BitBtn10 2009
#define IDC_BitBtn3 2010
// The modifier boxes beside cbbOldKey: with one ticked, the source is a shortcut.
#define IDC_cbWin 2011
#define IDC_cbCtrl 2012
#define IDC_cbAlt 2013
#define IDC_cbShift 2014

#define IDD_TabSheet1 2100
#define IDC_SwapKeyList 2101
#define IDC_lblProgram 2102
#define IDC_cbbProgram 2103
#define IDC_cbProgramOff 2104

#define IDD_TabSheet4 2200
#define IDC_RegListView 2201
#define IDC_RegMapNote 2202

#define IDD_TabSheet2 2300
#define IDC_GroupBox2 2301
#define IDC_CheckBox1 2302
#define IDC_CheckBox2 2303
#define IDC_GroupBox1 2304
#define IDC_Label1 2305
#define IDC_HotKey1 2306
#define IDC_Label2 2307
#define IDC_HotKey2 2308

#define IDD_TabSheet5 2400
#define IDC_Panel2 2401
#define IDC_img1 2402
#define IDC_Label4 2403
#define IDC_Label8 2404
#define IDC_Label13 2405
#define IDC_Label14 2406
#define IDC_Label9 2407
#define IDC_EmailLabel 2408
#define IDC_Label10 2409

// The list popup menu PopupMenu2 and the status bar.
#define IDM_N7 2501
#define IDM_N4 2502
#define IDC_StatusBar1 2503

// The target menu PopupMenu3: item i of TargetMenuItems() has the command IDM_TargetMenu + i.
#define IDM_TargetMenu 2600
