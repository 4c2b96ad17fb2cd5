#include "imaging/PreviewBackground.h"

#include "win32/GdiGuards.h"

#include <cstdint>

void PaintPreviewBackground(HDC hdc, const RECT& box)
{
    const SelectedObject brush(hdc, GetStockObject(LTGRAY_BRUSH));
    PatBlt(hdc, 0, 0, static_cast<int>(std::int64_t{box.right} - box.left),
           static_cast<int>(std::int64_t{box.bottom} - box.top), PATCOPY);
}
