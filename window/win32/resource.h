#pragma once

// Resource numbers shared by the resource script and the code.
#define IDI_HUEPREV 1
// The colour-button pictures: code0 .. code9, and their drawings at twice the size.
#define IDB_CODE 200
#define IDB_CODE_2X 210
