#pragma once

#include <functional>
#include <sstream>
#include <string>

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
