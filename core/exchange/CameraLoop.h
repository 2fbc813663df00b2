#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "core/exchange/ExchangeWorld.h"
#include "core/exchange/RequestWatch.h"
#include "core/exchange/WatchKeeper.h"
#include "core/files/FolderNames.h"
#include "core/settings/Variant.h"

// What the camera does at each thing that reaches it: a tick of its timer,
// the watch of the request's name telling something, a click on its
// button. The game's request is served as soon as the watch tells of it,
// the 100 ms tick behind it. Captures never nest: a capture's message pumps
// let ticks, wakes and clicks through, so a tick during one only follows
// the request being photographed, and a wake and each click are taken once
// it is over, as is a request the game made meanwhile.
class CameraLoop {
public:
    enum class Asked { ByGame, ByHand };

    // What the loop asks of the window that runs it (or of a test).
    struct Hooks {
        std::function<void(Asked)> photograph;
        // Runs a capture, telling of whatever it throws, while the loop is
        // still busy: nothing starts under a message box that tells of it.
        std::function<void(const std::function<void()>&)> runCapture;
        // The game folder setting as it is now.
        std::function<const Variant&()> gameFolder;
        // At every tick that finds no capture running, before the look.
        std::function<void()> betweenRequests = [] {};
        // The watch to wait on from now on (0: none); its telling goes to Signalled.
        std::function<void(uint64_t)> watching = [](uint64_t) {};
        // A tick's, wake's or click's captures are all over.
        std::function<void()> capturesOver = [] {};
    };

    CameraLoop(ExchangeWorld& world, Hooks hooks) : world_(world), hooks_(std::move(hooks)) {}

    // Ticks, wakes and clicks are served from Start, after start-up, to Stop.
    void Start() { started_ = true; }
    // Serves nothing more, and lets go of the watch.
    void Stop();

    void Tick();
    // The watch has told something; true when it concerned the request, so
    // that a look came of it, or will once the capture under way is over.
    bool Signalled();
    void Click();

    bool Busy() const { return busy_; }

    // Why the game folder cannot be looked in, when it cannot.
    const std::optional<FolderFault>& GameFolderFault() const { return gameFolderFault_; }
    std::optional<LeftAlone> LeftAloneSign() const { return requests_.LeftAloneSign(); }

private:
    template <typename Capture>
    void Exclusively(Capture capture);
    // Serves the game's request, if there is one, unless the game folder
    // is one that Apply would refuse.
    void ServeRequest();

    ExchangeWorld& world_;
    Hooks hooks_;
    WatchKeeper keeper_{world_, [this](uint64_t watch) { hooks_.watching(watch); }};
    RequestWatch requests_{world_, keeper_};
    bool started_ = false;
    bool busy_ = false;
    bool lookDue_ = false;  // the watch told of the request during a capture
    int clicksDue_ = 0;     // clicks on the button during a capture
    std::optional<FolderFault> gameFolderFault_;
};
