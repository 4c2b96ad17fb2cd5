#pragma once
// How a picture takes the screen or monitor it is shown on.
enum class PictureFit {
    Own,   // at its own size, centred, cut at the edges
    Fit,   // scaled to lie inside, aspect ratio kept, centred
    Fill,  // scaled to cover, aspect ratio kept, centred, what overhangs cut
};
