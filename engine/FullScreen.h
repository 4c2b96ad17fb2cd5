#pragma once

// Whether a full-screen window of another program is in front (a game, a film, a slide
// show): the foreground window covers its whole monitor without a caption and is not the
// desktop, or the shell says a full-screen program or a presentation runs. A running screen
// saver is none of these.
bool IsFullScreenProgramInFront();
