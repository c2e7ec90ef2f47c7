#pragma once
// Resource and control ids of the "Add program" dialog (resource ids 3100 to 3199 are its). "OK"
// is IDOK and "Cancel" IDCANCEL.

#define IDD_AddProgram 3100
#define IDC_AddProgram_Label 3101
#define IDC_AddProgram_List 3102
#define IDC_AddProgram_Browse 3103
