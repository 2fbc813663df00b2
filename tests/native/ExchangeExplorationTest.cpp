// The exchange explored exhaustively against a model of the game's folder:
// every writer script up to a bound, interleaved with every placement of
// the camera's looks, every photo length and every lag of the watch, each
// run checked against what the camera promises the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "../contract/WorldContract.h"
#include "../model/ModelHands.h"
#include "../model/ModelWorld.h"
#include "core/ScopedFlag.h"
#include "core/exchange/CameraLoop.h"
#include "core/exchange/RequestFiles.h"

namespace {

using namespace std::chrono_literals;
using System = ModelWorld::System;
using Share = ModelWorld::Share;

constexpr char kGame[] = "C:\\Veldrun";
// How many steps of the game's and other programs' a run takes: four, in
// 2,336,726 runs of the eight worlds below; under the sanitizers, ten times
// slower, three, in 79,274.
constexpr int kMoments = VDR_EXPLORE_MOMENTS;

// Every run of a program of choices: each run takes the first choice not
// yet taken at its deepest choice point, and is made again from the start.
class Choices {
public:
    size_t Choose(size_t count, const char* what) {
        if (at_ == path_.size()) {
            path_.push_back({0, count, what});
        }
        return path_[at_++].taken;
    }
    // Makes the same run again.
    void Replay() { at_ = 0; }
    // Moves to the next run; false once every run has been made.
    bool Next() {
        path_.resize(at_);
        at_ = 0;
        while (!path_.empty() && ++path_.back().taken == path_.back().count) {
            path_.pop_back();
        }
        return !path_.empty();
    }
    std::string Trace() const {
        std::string trace;
        for (size_t i = 0; i < at_; ++i) {
            trace += std::string(path_[i].what) + "=" + std::to_string(path_[i].taken) + " ";
        }
        return trace;
    }

private:
    struct Point {
        size_t taken;
        size_t count;
        const char* what;
    };
    std::vector<Point> path_;
    size_t at_ = 0;
};

// Which worlds a step is tried in: the common ones, the hostile ones, or both.
enum Worlds { kCommon = 1, kHostile = 2, kBoth = 3 };

// What the game and other programs may do next, where the system lets them.
struct Step {
    const char* name;
    std::function<bool(const ModelWorld&)> can;
    std::function<void(ModelWorld&)> take;
    int worlds = kCommon;
    bool racing = false;                // worth trying between the camera's look and its deletion
    std::chrono::milliseconds pause{};  // the time it takes
};

const ModelWorld::File* UnderName(const ModelWorld& world) {
    return world.FileUnderName() ? &world.FileNumber(world.FileUnderName()) : nullptr;
}
// A file of the game's own under the name, which the game can open.
bool Plain(const ModelWorld& world) {
    const ModelWorld::File* file = UnderName(world);
    return file && !file->link && !file->holding && !file->folder && !file->readOnly;
}
bool Empty(const ModelWorld& world) { return !world.FileUnderName(); }
bool Free(const ModelWorld& world) { return !world.WriterHolds(); }

const std::vector<Step>& Steps() {
    using Replaced = ModelWorld::Replaced;
    static const std::vector<Step> steps = {
        {"make, sharing nothing", [](auto& w) { return Free(w) && (Empty(w) || Plain(w)); },
         [](auto& w) { w.Make(Share::Nothing); }, kBoth, true},
        {"make, sharing reading", [](auto& w) { return Free(w) && (Empty(w) || Plain(w)); },
         [](auto& w) { w.Make(Share::Reading); }},
        {"make, sharing everything", [](auto& w) { return Free(w) && (Empty(w) || Plain(w)); },
         [](auto& w) { w.Make(Share::Everything); }, kBoth},
        {"write", [](auto& w) { return w.WriterHolds(); }, [](auto& w) { w.Write(); }, kBoth},
        {"close", [](auto& w) { return w.WriterHolds(); }, [](auto& w) { w.Close(); }, kBoth},
        {"delete", [](auto& w) { return Plain(w) && !UnderName(w)->pending; },
         [](auto& w) { w.Delete(); }, kBoth, true},
        {"rename over", [](auto& w) { return Free(w) && (Empty(w) || Plain(w)); },
         [](auto& w) { w.RenameOver(); }, kCommon, true},
        {"rewrite", [](auto& w) { return Free(w) && Plain(w); }, [](auto& w) { w.Rewrite(); },
         kCommon, true},
        {"rename away", [](auto& w) { return Plain(w); }, [](auto& w) { w.RenameAway(); }, kCommon,
         true},
        {"link", [](auto& w) { return Free(w) && Empty(w); }, [](auto& w) { w.Link(); }},
        {"flood", [](auto& w) { return w.Given().watchable; }, [](auto& w) { w.Flood(); }},
        {"wait", [](auto&) { return true; }, [](auto&) {}, kBoth, false, 150ms},
        {"folder deleted and made again", [](auto& w) { return Free(w); },
         [](auto& w) { w.ReplaceFolder(Replaced::Deleted); }, kBoth},
        {"folder moved away, mounted over or made a link, and another made",
         [](auto& w) { return Free(w); }, [](auto& w) { w.ReplaceFolder(Replaced::Covered); },
         kHostile},
        {"the watch lost, its drive away a moment", [](auto& w) { return w.CurrentWatch() != 0; },
         [](auto& w) { w.LoseWatch(); }, kHostile},
        {"a folder made under the name", [](auto& w) { return Free(w) && Empty(w); },
         [](auto& w) { w.MakeFolder(); }, kHostile},
        {"that folder removed", [](auto& w) { return UnderName(w) && UnderName(w)->folder; },
         [](auto& w) { w.RemoveFolder(); }, kHostile},
        {"made read-only", [](auto& w) { return Plain(w); }, [](auto& w) { w.SetReadOnly(true); },
         kHostile},
        {"made writable again", [](auto& w) { return UnderName(w) && UnderName(w)->readOnly; },
         [](auto& w) { w.SetReadOnly(false); }, kHostile},
        {"a copy keeping the time of the file last there",
         [](auto& w) { return Free(w) && Empty(w); }, [](auto& w) { w.CopyKeepingTime(); },
         kHostile},
    };
    return steps;
}

struct Bound {
    const char* name;
    System system;
    bool watchable;
    int moments;
    bool racing;         // others act between a look and what the camera does next
    bool clicks;         // the player clicks the button once
    bool failingPhotos;  // the first photo may fail, its failure told in a message box
    bool hostile;        // others replace the folder, put a folder or a copy under the name,
                         // or make it read-only
    std::chrono::seconds timeGrain;  // a drive that keeps times to it (FAT's 2 s)
    // How many runs that makes, all told: at four moments, and at three
    // (under the sanitizers).
    size_t runs[2];
};

struct Photo {
    CameraLoop::Asked asked;
    int file;  // the file the look that took it saw
    TimePoint start;
    TimePoint end;
};

// One run: the world's steps, and the camera's loop ticked, woken and
// clicked as the choices have them, then a while for things to settle.
// The run hooks into the loop as the window does: it takes the photos, and
// lets the world move while a photo is taken, as a capture's message pumps
// let the window's timer, the watch and the button through.
struct Exploration {
    Exploration(Choices& choices, const Bound& bound, bool narrate = false)
        : choose(choices),
          bound(bound),
          narrate(narrate),
          world(std::string(kGame) + "\\tidemark\\mdb",
                {.system = bound.system,
                 .watchable = bound.watchable,
                 .timeGrain = bound.timeGrain,
                 .lag = [this] { return choose.Choose(2, "lag") ? 60ms : 0ms; },
                 .afterLooking = [this] { Race(); }}),
          left(bound.moments) {
        loop.Start();
        while (left > 0) {
            --left;
            Moment();
        }
        // The watch tells what it still has to, then the writer lets go,
        // and the camera looks for a while.
        Elapse(kWatchLag);
        if (world.WriterHolds()) {
            world.Close();
        }
        for (int settle = 0; settle < 3; ++settle) {
            Elapse(150ms);
            Tick();
        }
    }

    // Time passes as the program lives it: the watch wakes the camera when
    // it tells, and the timer ticks at least every 100 ms.
    void Elapse(std::chrono::milliseconds time) {
        for (auto passed = 0ms; passed < time; passed += 10ms) {
            world.Pass(10ms);
            Woken();
            if (world.Now() - lastTick >= 100ms) {
                Tick();
            }
        }
    }

    // Whatever reaches the loop outside a capture starts a busy spell,
    // which ends when the loop returns.
    template <typename Event>
    void Deliver(const Event& event) {
        const bool idle = !loop.Busy();
        const TimePoint start = world.Now();
        event();
        if (idle) {
            busy.push_back({start, world.Now()});
        }
    }

    void Tick() {
        lastTick = world.Now();
        Say("tick; ");
        Deliver([this] { loop.Tick(); });
    }

    // The watch has told something: the window waits on the watch the loop
    // named, and wakes the loop.
    void Woken() {
        if (!watching || watching != world.CurrentWatch() || !world.WatchSignalled()) {
            return;
        }
        const TimePoint since = std::exchange(lastWake, world.Now());
        Deliver([&] {
            if (loop.Signalled()) {
                wokenForNothing = wokenForNothing || !NameToldSince(since);
            }
        });
    }

    void Click() {
        ++clicks;
        Say("click; ");
        Deliver([this] { loop.Click(); });
    }

    void Photograph(CameraLoop::Asked asked) {
        // A run holds a few presses at most: photos beyond them never end.
        if (photos.size() == 8) {
            runaway = true;
            loop.Stop();
        }
        const TimePoint start = world.Now();
        const int seen = asked == CameraLoop::Asked::ByGame ? world.Sightings().back().file : 0;
        nested = nested || inPhoto;
        const ScopedFlag photographing(inPhoto);
        const bool fails = bound.failingPhotos && photos.empty() && choose.Choose(2, "fails");
        const int number = static_cast<int>(photos.size());
        photos.push_back({asked, seen, start, start});
        if (!fails) {
            reply.Send(kGame, std::to_string(number));
            replyWrong = replyWrong || world.Reply() != ReplyLine(std::to_string(number));
        }
        Say(fails ? "failing photo { " : "photo { ");
        const size_t inside = std::min(left, 2);
        for (size_t moment = choose.Choose(inside + 1, "photo"); moment > 0; --moment) {
            --left;
            Moment();
        }
        Say("} ");
        photos[static_cast<size_t>(number)].end = world.Now();
        if (fails) {
            throw std::runtime_error("the screen could not be copied");
        }
    }
    // Read once by every poll, right before its look: the looks that could
    // serve what they found.
    const Variant& GameFolder() {
        polls.push_back(world.Sightings().size());
        return gameFolder;
    }

    void WriterStep(bool racing = false) {
        std::vector<const Step*> possible;
        // A hostile run has at least one hostile step: its last is one where none came before.
        const int worlds = !bound.hostile ? kCommon : left > 0 || hostileTaken ? kHostile : 0;
        for (const Step& step : Steps()) {
            const bool inWorld = worlds ? (step.worlds & worlds) != 0 : step.worlds == kHostile;
            if (inWorld && step.can(world) && (!racing || step.racing)) {
                possible.push_back(&step);
            }
        }
        const bool canClick = bound.clicks && !racing && clicks == 0;
        if (possible.empty() && !canClick) {
            return;
        }
        const size_t chosen = choose.Choose(possible.size() + canClick, "step");
        if (chosen == possible.size()) {
            Click();
            return;
        }
        const Step& step = *possible[chosen];
        hostileTaken = hostileTaken || step.worlds == kHostile;
        Say(step.name);
        Say("; ");
        step.take(world);
        Elapse(step.pause);
    }

    // Whether the watch told of the request's name, or of an overflow, or
    // stopped with its folder.
    bool NameToldSince(TimePoint since) {
        const auto& changes = world.NameChanges();
        const auto& gone = world.WatchLostTrack();
        return std::any_of(changes.begin(), changes.end(),
                           [&](const auto& change) {
                               return change.watched && change.lost == ModelWorld::Lost::No &&
                                      change.toldAt > since && change.toldAt <= world.Now();
                           }) ||
               (!gone.empty() && gone.back() > since);
    }

    // Others may act between a look of the camera's and what it does next,
    // once a run, within its moments.
    void Race() {
        if (bound.racing && left > 0 && !raced && choose.Choose(2, "race")) {
            raced = true;
            world.Pass(1ms);
            Say("(right after a look) ");
            WriterStep(true);
        }
    }

    void Moment() {
        Elapse(10ms);
        WriterStep();
        Woken();
        if (choose.Choose(2, "tick")) {
            Tick();
        }
    }

    // The run told as a script, for a run that broke a promise.
    void Say(const char* what) {
        if (narrate) {
            script += what;
        }
    }

    Choices& choose;
    const Bound& bound;
    bool narrate;
    ModelWorld world;
    ReplyFile reply{world};
    CameraLoop loop{world,
                    {.photograph = [this](CameraLoop::Asked asked) { Photograph(asked); },
                     .runCapture =
                         [](const std::function<void()>& capture) {
                             try {
                                 capture();
                             } catch (const std::runtime_error&) {
                             }
                         },
                     .gameFolder = [this]() -> const Variant& { return GameFolder(); },
                     .watching = [this](uint64_t watch) { watching = watch; }}};
    Variant gameFolder{kGame};
    int left;
    uint64_t watching = 0;
    std::vector<size_t> polls;
    std::vector<Photo> photos;
    std::vector<std::pair<TimePoint, TimePoint>> busy;
    TimePoint lastTick = world.Now();
    TimePoint lastWake = world.Now();
    int clicks = 0;
    bool inPhoto = false;
    bool nested = false;
    bool runaway = false;
    bool wokenForNothing = false;
    bool replyWrong = false;
    bool raced = false;
    bool hostileTaken = false;
    std::string script;
};

// What the camera promises, checked against the model's truth.
class Promises {
public:
    explicit Promises(const Exploration& run) : run_(run), world_(run.world) {}

    std::vector<std::string> Broken() {
        std::map<int, int> photosOf;  // by press
        int byHand = 0;
        for (const Photo& photo : run_.photos) {
            const int press = photo.file ? world_.FileNumber(photo.file).press : 0;
            if (photo.asked == CameraLoop::Asked::ByHand) {
                ++byHand;
            } else if (!press) {
                Broke("a photo without a press");
            } else {
                ++photosOf[press];
            }
        }
        if (byHand != run_.clicks) {
            Broke(std::to_string(run_.clicks) + " clicks got " + std::to_string(byHand) +
                  " photos");
        }
        if (run_.nested) {
            Broke("a photo taken inside another");
        }
        if (run_.runaway) {
            Broke("photos without end");
        }
        for (int press = 1; press <= world_.Presses(); ++press) {
            const int file = FileOf(press);
            const int photos = photosOf[press];
            const bool hidden = Hidden(file);
            if (!hidden && Due(file) && photos == 0) {
                Broke("press " + std::to_string(press) + " not served");
            }
            if (photos > 1 + Unsure(file)) {
                Broke("press " + std::to_string(press) + " got " + std::to_string(photos) +
                      " photos");
            }
        }
        for (const auto& deletion : world_.Deletions()) {
            const int press = world_.FileNumber(deletion.file).press;
            if (deletion.refused && LookedHeldOrLink(deletion)) {
                Broke("asked to delete a request that is a link, read-only or held by its writer");
            } else if (!photosOf[press] && !Hidden(deletion.file)) {
                Broke("deleted a file that was never served");
            }
        }
        const int left = world_.FileUnderName();
        const ModelWorld::File* file = left ? &world_.FileNumber(left) : nullptr;
        // Served, or taken for the one served.
        const bool served = file && (photosOf[file->press] > 0 || Hidden(left));
        if (file && photosOf[file->press] > 0 && !file->link && !file->readOnly) {
            Broke("a request served and let go of is still there");
        }
        const std::optional<LeftAlone> sign = !file          ? std::nullopt
                                              : file->folder ? std::optional(LeftAlone::Folder)
                                              : file->link   ? std::optional(LeftAlone::Link)
                                              : served && file->readOnly
                                                  ? std::optional(LeftAlone::ReadOnly)
                                                  : std::nullopt;
        if (run_.loop.LeftAloneSign() != sign) {
            Broke("the caption does not tell what stands under the name and is left there");
        }
        if (run_.wokenForNothing) {
            Broke("woken by other files' changes");
        }
        if (run_.replyWrong) {
            Broke("the reply does not name the photo just stored");
        }
        for (const auto& change : world_.NameChanges()) {
            // Told while the watch rested, it was taken in by a look.
            if (change.watched && change.lost == ModelWorld::Lost::No && !change.resting &&
                !LookedAfter(change.toldAt)) {
                Broke(change.file ? "the watch told of the request's name and nobody looked"
                                  : "the watch told of an overflow and nobody looked");
            }
        }
        return broken_;
    }

private:
    void Broke(const std::string& promise) { broken_.push_back(promise); }

    int FileOf(int press) const {
        for (int file = 1;; ++file) {
            if (world_.FileNumber(file).press == press) {
                return file;
            }
        }
    }

    // Whether the camera's look before the deletion showed the file held
    // or read-only, or a link: a writer that took hold of it since could
    // not be foreseen.
    bool LookedHeldOrLink(const ModelWorld::Deletion& deletion) const {
        if (world_.FileNumber(deletion.file).link) {
            return true;
        }
        if (!deletion.afterLooks) {
            return false;
        }
        const ModelWorld::Sighting& look = world_.Sightings()[deletion.afterLooks - 1];
        return look.held || look.readOnly;
    }

    // What a look at the file opens: a link's target, under Wine.
    uint64_t IndexSeen(int file) const {
        const ModelWorld::File& seen = world_.FileNumber(file);
        return seen.link && world_.Given().system == System::Wine
                   ? world_.FileNumber(seen.target).index
                   : seen.index;
    }

    // Whether the camera was to photograph the file: a poll's look, which
    // serves what it finds, found it. (That the camera looks whenever the
    // watch tells, and polls again when another look finds the next request,
    // keeps it from missing one.)
    bool Due(int file) const {
        const auto& sightings = world_.Sightings();
        return std::any_of(run_.polls.begin(), run_.polls.end(), [&](size_t look) {
            return look < sightings.size() && sightings[look].file == file;
        });
    }

    // Whether the camera looked after being told then: at the clock's next
    // step (10 ms, a race's millisecond more), or if it was busy, by then
    // after it was done.
    bool LookedAfter(TimePoint told) const {
        const auto& sightings = world_.Sightings();
        return std::any_of(sightings.begin(), sightings.end(), [&](const auto& sighting) {
            return sighting.at >= told && sighting.at <= AfterBusy(told) + 15ms;
        });
    }

    // When the camera could answer what was told then: at once, or when it
    // was done if it was busy (a look starting then answers it).
    TimePoint AfterBusy(TimePoint at) const {
        for (const auto& [start, end] : run_.busy) {
            if (start < at && at < end) {
                return end;
            }
        }
        return at;
    }

    bool Visible(int file, TimePoint at) const {
        std::optional<TimePoint> given;
        for (const auto& change : world_.NameChanges()) {
            if (change.file != file || change.at > at) {
                continue;
            }
            if (change.taken) {
                given.reset();
            } else {
                given = change.at;
            }
        }
        const auto& pending = world_.FileNumber(file).pendingSince;
        const bool hiddenByWindows =
            world_.Given().system == System::Windows && pending && *pending <= at;
        return given && !hiddenByWindows;
    }

    // Whether nothing could tell the file from the one the camera saw
    // before it on the same index: the watch never told the earlier one's
    // taking while this one stood, or told it so soon after the camera's
    // last photo that it may have been of a file before that one.
    bool Hidden(int file) const {
        const auto& sightings = world_.Sightings();
        const auto first = std::find_if(sightings.begin(), sightings.end(),
                                        [&](const auto& s) { return s.file == file; });
        if (first == sightings.end() || first == sightings.begin()) {
            return false;
        }
        const int before = std::prev(first)->file;
        if (!before || IndexSeen(before) != IndexSeen(file)) {
            return false;
        }
        // With another last write, only a watch's word can hide the file: a
        // taking told (if too soon to be sure of) or lost in an overflow.
        // Where no watch could have told it (none, gone, deaf on a folder
        // replaced), there is no word, and the write is the next request.
        const auto& takings = world_.NameChanges();
        const bool watchHadAWord = std::any_of(takings.begin(), takings.end(), [&](const auto& c) {
            return c.file == before && c.taken &&
                   ((c.lost == ModelWorld::Lost::No && c.watched) ||
                    c.lost == ModelWorld::Lost::Overflow);
        });
        if (std::prev(first)->lastWrite != first->lastWrite && !watchHadAWord) {
            return false;
        }
        TimePoint servedAt{};
        for (const Photo& photo : run_.photos) {
            if (photo.start <= first->at) {
                servedAt = photo.start;
            }
        }
        for (const auto& change : world_.NameChanges()) {
            if (change.file != before || !change.taken || change.lost != ModelWorld::Lost::No ||
                change.toldAt <= servedAt + kWatchLag) {
                continue;
            }
            for (auto sighting = first; sighting != sightings.end(); ++sighting) {
                if (sighting->file == file && change.toldAt <= sighting->at) {
                    return false;
                }
            }
        }
        return true;
    }

    // How many times the camera saw the file written again where nothing
    // could tell its writer's write from the file made anew on its index:
    // a drive without notifications, no watch at the look before, or one
    // that lost track before the write was told apart (kWatchLag after it
    // was seen, at the next tick).
    int Unsure(int file) const {
        int unsure = 0;
        const ModelWorld::Sighting* last = nullptr;
        for (const auto& sighting : world_.Sightings()) {
            if (sighting.file != file) {
                continue;
            }
            if (last && last->lastWrite != sighting.lastWrite &&
                (!world_.Given().watchable || !last->watch ||
                 TrackLostBetween(last->at, sighting.at + kWatchLag + 100ms))) {
                ++unsure;
            }
            last = &sighting;
        }
        return unsure;
    }

    bool TrackLostBetween(TimePoint from, TimePoint to) const {
        const auto& gone = world_.WatchLostTrack();
        return std::any_of(gone.begin(), gone.end(),
                           [&](TimePoint at) { return from < at && at <= to; });
    }

    const Exploration& run_;
    const ModelWorld& world_;
    std::vector<std::string> broken_;
};

class ExchangeExploration : public ::testing::TestWithParam<Bound> {};

TEST_P(ExchangeExploration, EveryPressGetsOnePhotoAndOnlyItsRequestIsDeleted) {
    const Bound bound = GetParam();
    Choices choices;
    size_t runs = 0;
    size_t failed = 0;
    do {
        const Exploration run(choices, bound);
        ++runs;
        const std::vector<std::string> broken = Promises(run).Broken();
        if (!broken.empty() && failed++ < 3) {
            choices.Replay();
            const Exploration told(choices, bound, true);
            ADD_FAILURE() << broken.front() << "\n  script: " << told.script
                          << "\n  choices: " << choices.Trace();
        }
    } while (failed < 3 && choices.Next());
    std::printf("%s: %zu runs of up to %d moments%s\n", bound.name, runs, bound.moments,
                bound.racing ? ", racing" : "");
    EXPECT_EQ(failed, 0u) << "of " << runs << " runs";
    EXPECT_EQ(runs, bound.runs[kMoments == 4 ? 0 : 1]);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Worlds, ExchangeExploration, ::testing::Values(
    Bound{.name = "Wine", .system = System::Wine, .watchable = true, .moments = kMoments,
          .clicks = true, .runs = {691874, 23032}},
    Bound{.name = "Windows", .system = System::Windows, .watchable = true, .moments = kMoments,
          .failingPhotos = true, .runs = {810584, 29866}},
    Bound{.name = "WineWithoutWatch", .system = System::Wine, .moments = kMoments,
          .runs = {47178, 2932}},
    Bound{.name = "WineRacing", .system = System::Wine, .watchable = true,
          .moments = kMoments - 1, .racing = true, .runs = {201502, 3318}},
    Bound{.name = "WindowsRacing", .system = System::Windows, .watchable = true,
          .moments = kMoments - 1, .racing = true, .runs = {203218, 3322}},
    Bound{.name = "WineHostile", .system = System::Wine, .watchable = true, .moments = kMoments,
          .hostile = true, .runs = {173724, 7350}},
    Bound{.name = "WindowsHostileOnFat", .system = System::Windows, .watchable = true,
          .moments = kMoments, .hostile = true, .timeGrain = 2s, .runs = {176044, 7380}},
    Bound{.name = "WineHostileWithoutWatch", .system = System::Wine, .moments = kMoments,
          .hostile = true, .runs = {32602, 2074}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A game folder that Apply would refuse is not looked in, and the caption
// says why; none at all is no fault, only nowhere to look.
TEST(CameraLoop, OnlyAGameFolderApplyWouldTakeIsLookedIn) {
    const std::string longest = "C:\\" + std::string(kLongestGameFolder - 3, 'v');
    const struct {
        std::string folder;
        std::optional<FolderFault> fault;
    } rows[] = {{"", std::nullopt},
                {"Veldrun", FolderFault::NotFull},
                {"C:\\Veldrun.", FolderFault::DotOrSpace},
                {longest + "v", FolderFault::TooLong},
                {longest, std::nullopt},
                {kGame, std::nullopt}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.folder);
        ModelWorld world(std::string(kGame) + "\\tidemark\\mdb", {});
        const Variant folder = row.folder;
        CameraLoop loop(world, {.photograph = [](CameraLoop::Asked) {},
                                .runCapture = [](const std::function<void()>& run) { run(); },
                                .gameFolder = [&]() -> const Variant& { return folder; }});
        loop.Start();
        loop.Tick();
        EXPECT_EQ(loop.GameFolderFault(), row.fault);
        EXPECT_EQ(world.Sightings().empty(), row.fault || row.folder.empty());
    }
}

// What neither Wine nor Windows shows a look here, so no world explores:
// a file said to be being deleted (on Windows, between a look's two calls)
// is no request, nor deleted again.
TEST(Decide, AFileBeingDeletedIsNoRequest) {
    const Sight leaving{.look = {.there = true, .leaving = true}};
    const Served served{.file = FileIdentity{100, 1}};
    for (const LookMoment moment : {LookMoment::Poll, LookMoment::AfterPhoto}) {
        for (const std::optional<Served>& before :
             {std::optional<Served>(), std::optional(served)}) {
            const ::Step step = Decide(before, leaving, moment, TimePoint{});
            EXPECT_EQ(step.verdict, Verdict::Leaving);
            EXPECT_FALSE(step.photograph || step.pollAgain || step.remove);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Model, WorldContract,
    ::testing::Values(WorldSide{"Wine", [] { return std::make_unique<ModelHands>(System::Wine); }},
                      WorldSide{"Windows",
                                [] { return std::make_unique<ModelHands>(System::Windows); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The reply on its own: written at each photo, tried again while the game
// holds it, given up after a while, and said to be given up exactly until
// a reply reaches the game again.
TEST(ReplyExploration, TheCaptionNamesTheReplyGivenUpUntilAReplyIsWritten) {
    Choices choices;
    size_t runs = 0;
    do {
        ModelWorld world(std::string(kGame) + "\\tidemark\\mdb", {});
        ReplyFile reply(world);
        int sent = 0;
        bool held = false;
        TimePoint sentAt{};
        std::string script;
        for (int moment = 0; moment < 8; ++moment) {
            const char* steps[] = {"photo", "the game holds or lets go", "2.5 s", "tick"};
            const size_t step = choices.Choose(std::size(steps), "reply");
            script += std::string(steps[step]) + "; ";
            const bool due = sent && world.Now() >= sentAt + ReplyFile::kPatience;
            switch (step) {
                case 0:
                    reply.Send(kGame, std::to_string(sent++));
                    sentAt = world.Now();
                    break;
                case 1:
                    world.HoldReply(held = !held);
                    break;
                case 2:
                    world.Pass(2500ms);
                    break;
                case 3:
                    reply.Retry();
                    break;
            }
            const std::string latest = std::to_string(sent - 1);
            const bool told = sent && world.Reply() == ReplyLine(latest);
            if (told ? reply.GivenUp().has_value()
                     : step == 3 && due && reply.GivenUp() != latest) {
                ADD_FAILURE() << "given up: " << reply.GivenUp().value_or("none")
                              << "\n  script: " << script;
                return;
            }
        }
        ++runs;
    } while (choices.Next());
    std::printf("the reply: %zu runs of 8 moments\n", runs);
    EXPECT_EQ(runs, 65536u);
}

}  // namespace
