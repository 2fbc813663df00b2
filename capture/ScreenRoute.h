#pragma once

// How a capture takes the screen.
enum class ScreenRoute {
    PrintScreen,  // the key injected, Windows' picture of the screen from the clipboard
    DirectCopy,   // the screen's pixels copied straight away
};

// The route for a capture starting now: Print Screen, unless pressing it
// would not give the picture. Then the screen is copied directly:
// - on Wine, which never puts a picture on the clipboard for the key;
// - when Windows has the key open its snipping tool;
// - when another program holds the key as its global hot key (screenshot
//   tools do), which would open that program's capture over the game.
ScreenRoute ChooseScreenRoute();

// The checks behind it.
bool PrintScreenDeliversAPicture();
bool PrintScreenOpensSnipping();
bool PrintScreenHeldByAnotherProgram();
