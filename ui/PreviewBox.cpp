#include "ui/PreviewBox.h"

PreviewBox FourThreeBoxIn(int left, int top, int right, int bottom)
{
    // 64 bits: a frame's sides times 4 must not overflow.
    const long long width = right > left ? static_cast<long long>(right) - left : 0;
    const long long height = bottom > top ? static_cast<long long>(bottom) - top : 0;
    long long boxWidth = width;
    long long boxHeight = width * 3 / 4;
    if (boxHeight > height) {
        boxHeight = height;
        boxWidth = height * 4 / 3;
    }
    return PreviewBox{static_cast<int>(left + (width - boxWidth) / 2),
                      static_cast<int>(top + (height - boxHeight) / 2),
                      static_cast<int>(boxWidth), static_cast<int>(boxHeight)};
}
