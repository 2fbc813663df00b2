#include "core/exchange/RequestVerdict.h"

Verdict Judge(const Served& served, const FileLook& look, const std::optional<NameCount>& names,
              TimePoint now) {
    if (!look.there) {
        return Verdict::Gone;
    }
    if (look.leaving) {
        return Verdict::Leaving;
    }
    const Verdict same = served.deleted ? Verdict::Leaving : Verdict::Same;
    const bool vouched = names && served.names && names->watch == served.names->watch;
    if (vouched && served.settled && names->taken != served.names->taken) {
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
        if (!served.settled || !served.writtenAt || now - *served.writtenAt < kWatchLag) {
            return Verdict::Settling;
        }
    }
    return same;
}

Served Settle(const Served& served, const std::optional<NameCount>& namesThen, TimePoint now) {
    if (served.settled || now - served.seenAt <= kWatchLag) {
        return served;
    }
    Served settled = served;
    settled.settled = true;
    if (served.names && namesThen && namesThen->watch == served.names->watch) {
        settled.names = namesThen;
    }
    return settled;
}

Served AfterLook(const Served& served, Verdict verdict, const FileLook& look,
                 const std::optional<NameCount>& names, TimePoint now) {
    Served kept = served;
    if (verdict == Verdict::Same) {
        kept.file = look.identity;
        kept.names = names;
        kept.writtenAt.reset();
    } else if (verdict == Verdict::Settling && !kept.writtenAt) {
        kept.writtenAt = now;
    }
    return kept;
}
