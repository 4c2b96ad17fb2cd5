#pragma once
// Where the file list's preview goes inside its frame, in client pixels.

struct PreviewBox {
    int left;
    int top;
    int width;
    int height;
};

// The largest 4:3 box inside the area (right and bottom exclusive), centred in it; no area
// when the area has none. The preview draws pictures into a box taken to be 4:3.
PreviewBox FourThreeBoxIn(int left, int top, int right, int bottom);
