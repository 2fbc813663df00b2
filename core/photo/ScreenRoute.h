#pragma once

// How a capture takes the screen.
enum class ScreenRoute {
    PrintScreen,  // the key injected, Windows' picture of the screen from the clipboard
    DirectCopy,   // the screen's pixels copied straight away
};

// What pressing Print Screen would do now.
struct PrintScreenFacts {
    bool givesAPicture = true;   // Wine never puts one on the clipboard for the key
    bool opensSnipping = false;  // Windows set to open its snipping tool instead
    bool heldByAnother = false;  // another program's global hot key (screenshot tools)
};

// Print Screen, unless pressing it would not give the picture, or would open
// something over the game: then the screen is copied directly.
constexpr ScreenRoute RouteFor(const PrintScreenFacts& facts) {
    return facts.givesAPicture && !facts.opensSnipping && !facts.heldByAnother
               ? ScreenRoute::PrintScreen
               : ScreenRoute::DirectCopy;
}
