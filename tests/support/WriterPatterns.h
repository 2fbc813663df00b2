#pragma once

#include <chrono>
#include <functional>
#include <sstream>
#include <string>

#include "WorldHands.h"
#include "core/exchange/RequestWatch.h"
#include "core/exchange/WatchKeeper.h"

// Ways a writer makes the request, each with the photos one press of it
// gives, as the camera meets them under Wine and in the model of its folder:
// both run this table. Each word is a step: the writer makes the request
// and holds it open ("make" sharing nothing, "make-read" sharing reading,
// "make-all" sharing everything), writes, lets go ("close"), deletes it;
// "flood" makes and deletes other files faster than the watch is read;
// "tick" is a look 100 ms later, "tend" one while the photo is still being
// taken, "slow" 1.5 s of a photo under a message box; "*N" repeats a step.
struct WriterPattern {
    const char* name;
    const char* before;  // the first look follows
    const char* during;  // while the first photo is taken
    const char* after;
    int photos;
};

inline constexpr WriterPattern kWriterPatterns[] = {
    {"made and written at once", "make write close", "", "tick", 1},
    {"seen while its writer still holds it", "make", "", "write close tick tick", 1},
    {"held two seconds, sharing nothing", "make", "", "tick*20 write tick close tick*2", 1},
    {"held a second, sharing reading", "make-read", "", "tick*10 write tick close tick*2", 1},
    {"held two seconds, sharing everything", "make-all write", "", "tick*20 write close tick*2", 1},
    {"written while the photo is taken", "make", "write close", "tick tick", 1},
    {"held through a photo under a box", "make", "tend tend tend write close tend tend", "tick", 1},
    {"held through a flood of other files", "make", "", "tick flood tick*3 write tick close tick*2",
     1},
    {"made again by the game during a slow photo", "make write close",
     "slow delete make write close", "tick tick", 2},
    {"seen held, then made again during a slow photo", "make",
     "write close slow delete make write close", "tick tick", 2},
    {"held until the game's next pass makes it anew", "make write", "",
     "tick tick close delete make write tick tick close tick", 2},
};

// Takes each step of the steps in turn, repeated as they say.
inline void ForEachStep(const char* steps, const std::function<void(const std::string&)>& take) {
    std::istringstream words(steps);
    for (std::string word; words >> word;) {
        const size_t star = word.find('*');
        const int times = star == std::string::npos ? 1 : std::stoi(word.substr(star + 1));
        for (int n = 0; n < times; ++n) {
            take(word.substr(0, star));
        }
    }
}

// The photos one press of the writer gets from the camera's side of the
// exchange, on either world.
inline int PhotosOf(const WriterPattern& writer, WorldHands& hands) {
    using namespace std::chrono_literals;
    using Share = WorldHands::Share;
    WatchKeeper keeper(hands.World());
    keeper.KeepOn(hands.Game());
    RequestWatch watch(hands.World(), keeper);
    int photos = 0;
    // A change of the name is told a moment later; a look comes later still.
    const auto told = [&](const std::function<void()>& change) {
        keeper.Woken();
        change();
        hands.LetWatchTell(keeper.Watch());
    };
    const std::function<void(const std::string&)> step = [&](const std::string& word) {
        if (word.starts_with("make")) {
            told([&] {
                hands.Make(word == "make-all"    ? Share::Everything
                           : word == "make-read" ? Share::Reading
                                                 : Share::Nothing);
            });
        } else if (word == "write") {
            hands.Write();
        } else if (word == "close") {
            hands.Close();
        } else if (word == "delete") {
            told([&] { hands.Delete(); });
        } else if (word == "flood") {
            told([&] { hands.Flood(); });
        } else if (word == "slow") {
            hands.Pass(1500ms);
        } else if (word == "tend") {
            hands.Pass(100ms);
            watch.Tend();
        } else if (word == "tick") {
            hands.Pass(100ms);
            watch.Poll(hands.Game(), [&] { ++photos; });
        }
    };
    ForEachStep(writer.before, step);
    watch.Poll(hands.Game(), [&] {
        ++photos;
        ForEachStep(writer.during, step);
    });
    ForEachStep(writer.after, step);
    return photos;
}
