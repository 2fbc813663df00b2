#include "core/exchange/RequestVerdict.h"

namespace {

bool Settled(const Served& served, TimePoint now) { return now - served.seenAt > kWatchLag; }

// The baseline is taken once kWatchLag has passed, from what the vouching
// watch had counted by then.
Served WithBaseline(Served served, const Sight& sight, TimePoint now) {
    const std::optional<NameCount>& then = sight.namesAtSettling;
    if (!served.baseline && Settled(served, now) && then && then->watch == served.watch) {
        served.baseline = then;
    }
    return served;
}

Verdict Judge(const Served& served, const FileLook& look, const std::optional<NameCount>& names,
              TimePoint now) {
    const Verdict same = served.deleted ? Verdict::Leaving : Verdict::Same;
    const bool vouched = served.watch != 0 && names && names->watch == served.watch;
    if (vouched && served.baseline && names->taken != served.baseline->taken) {
        return Verdict::Another;
    }
    const std::optional<FileIdentity>& is = look.identity;
    const std::optional<FileIdentity>& was = served.file;
    if (!is || !was) {
        return is == was ? same : Verdict::Another;
    }
    if (is->index != was->index) {
        return Verdict::Another;
    }
    if (is->lastWrite != was->lastWrite) {
        if (!vouched) {
            return Verdict::Another;
        }
        if (!Settled(served, now) || !served.writtenAt || now - *served.writtenAt < kWatchLag) {
            return Verdict::Settling;
        }
    }
    return same;
}

Served FirstSight(const Sight& sight, TimePoint now) {
    return {.file = sight.look.identity,
            .seenAt = now,
            .watch = sight.names ? sight.names->watch : 0,
            .link = sight.look.link,
            .readOnly = sight.look.readOnly};
}

}  // namespace

Step Decide(const std::optional<Served>& served, const Sight& sight, LookMoment moment,
            TimePoint now) {
    const FileLook& look = sight.look;
    Step step;
    if (!look.there || look.folder) {
        step.verdict = Verdict::Gone;
    } else if (look.leaving) {
        step.verdict = Verdict::Leaving;
        step.kept = served;
    } else if (!served) {
        step.verdict = Verdict::Another;
    } else {
        Served kept = WithBaseline(*served, sight, now);
        step.verdict = Judge(kept, look, sight.names, now);
        kept.link = look.link;
        kept.readOnly = look.readOnly;
        // The served file seen: the watch standing now vouches for it.
        if (step.verdict == Verdict::Same || step.verdict == Verdict::Leaving) {
            kept.file = look.identity;
            kept.watch = sight.names ? sight.names->watch : 0;
            kept.baseline = Settled(kept, now) ? sight.names : std::nullopt;
            kept.writtenAt.reset();
            step.remove = step.verdict == Verdict::Same && moment != LookMoment::DuringPhoto &&
                          !look.held && !look.link && !look.readOnly && look.identity;
        } else if (step.verdict == Verdict::Settling && !kept.writtenAt) {
            kept.writtenAt = now;
        }
        step.kept = kept;
    }
    if (step.verdict == Verdict::Another) {
        step.kept.reset();
        step.photograph = moment == LookMoment::Poll;
        step.pollAgain = !step.photograph;
        if (step.photograph) {
            step.kept = FirstSight(sight, now);
        }
    } else if (step.verdict == Verdict::Gone) {
        step.kept.reset();
    }
    return step;
}

Served Removed(Served served) {
    served.deleted = true;
    return served;
}
