#pragma once
// Resource and control ids of the "Add program" and "Add layer" dialogs (resource ids 3100 to
// 3199 are theirs). "OK" is IDOK and "Cancel" IDCANCEL.

#define IDD_AddProgram 3100
#define IDC_AddProgram_Label 3101
#define IDC_AddProgram_List 3102
#define IDC_AddProgram_Browse 3103

#define IDD_AddLayer 3110
#define IDC_AddLayer_Label 3111
#define IDC_AddLayer_Name 3112
