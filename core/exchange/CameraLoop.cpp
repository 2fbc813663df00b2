#include "core/exchange/CameraLoop.h"

#include <string>
#include <utility>

#include "core/ScopedFlag.h"
#include "core/exchange/RequestFiles.h"

void CameraLoop::Stop() {
    started_ = false;
    keeper_.KeepOn("");
}

template <typename Capture>
void CameraLoop::Exclusively(Capture capture) {
    if (!started_ || busy_) {
        return;
    }
    {
        const ScopedFlag busy(busy_);
        hooks_.runCapture(capture);
        while (started_) {
            if (clicksDue_ > 0) {
                --clicksDue_;
                hooks_.runCapture([this] { hooks_.photograph(Asked::ByHand); });
            } else if (std::exchange(lookDue_, false) || requests_.TakeNextWaiting()) {
                hooks_.runCapture([this] { ServeRequest(); });
            } else {
                break;
            }
        }
    }
    hooks_.capturesOver();
}

void CameraLoop::Tick() {
    if (busy_) {
        requests_.Tend();  // the request being photographed, while its writer may still be at it
        return;
    }
    Exclusively([this] {
        hooks_.betweenRequests();
        ServeRequest();
    });
}

bool CameraLoop::Signalled() {
    if (!keeper_.Woken()) {
        return false;
    }
    if (busy_) {
        lookDue_ = true;
    } else {
        Exclusively([this] { ServeRequest(); });
    }
    return true;
}

void CameraLoop::Click() {
    if (busy_) {
        ++clicksDue_;
        return;
    }
    Exclusively([this] { hooks_.photograph(Asked::ByHand); });
}

void CameraLoop::ServeRequest() {
    // A folder that Apply would refuse is a wrong one: it is not even looked
    // in, and one too long for the exchange's paths is never copied whole.
    const Variant& folder = hooks_.gameFolder();
    const bool tooLong = folder.TextLength() > kLongestGameFolder;
    const std::string gameFolder = tooLong ? std::string() : folder.Text();
    gameFolderFault_ = tooLong              ? std::optional(FolderFault::TooLong)
                       : gameFolder.empty() ? std::nullopt
                                            : FaultOf(gameFolder, kLongestGameFolder);
    if (gameFolderFault_) {
        keeper_.KeepOn("");
        return;
    }
    keeper_.KeepOn(gameFolder);
    requests_.Poll(gameFolder, [this] { hooks_.photograph(Asked::ByGame); });
}
