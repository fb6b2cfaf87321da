#pragma once

// Resource numbers shared by the resource script and the code.
#define IDI_HUEPREV 1
// The colour-button pictures: code0 .. code9, and their drawings at twice the size.
#define IDB_CODE 200
#define IDB_CODE_2X 210
// The controls' ids. A colour button's is IDC_COLOR_BUTTON plus its Index,
// clear of IDOK and IDCANCEL, which the dialog navigation sends for Enter and Esc.
#define IDC_INPUT 10
#define IDC_PREVIEW 11
#define IDC_COLOR_BUTTON 100
