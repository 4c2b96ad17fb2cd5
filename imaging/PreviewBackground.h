#pragma once
#include <windows.h>

// Fills (0, 0, box width, box height) of hdc with the stock light-grey brush.
void PaintPreviewBackground(HDC hdc, const RECT& box);
