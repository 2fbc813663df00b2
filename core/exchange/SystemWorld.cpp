#include "core/exchange/SystemWorld.h"

uint64_t SystemWorld::Watch(const std::string& folder, const std::string& name) {
    auto watch = std::make_unique<NameWatch>(folder, name, ++made_);
    if (!watch->Standing()) {
        return 0;
    }
    watches_[made_] = std::move(watch);
    return made_;
}

std::optional<NameCount> SystemWorld::Changes(uint64_t watch, bool woken) {
    const auto found = watches_.find(watch);
    return found == watches_.end() ? std::nullopt : found->second->Changes(woken);
}

void* SystemWorld::Event(uint64_t watch) const {
    const auto found = watches_.find(watch);
    return found == watches_.end() ? nullptr : found->second->Event();
}
