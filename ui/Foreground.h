#pragma once

namespace ui {

// Whether another program holds the foreground with a borderless window
// that fills its screen, as a full-screen game does. Nothing of ours may
// then come in front: a window shown over the game would be in every photo,
// and one taking the foreground pushes the game away (under Wine an
// exclusive-mode game is minimised and stays so).
bool FullScreenProgramInFront();

}  // namespace ui
