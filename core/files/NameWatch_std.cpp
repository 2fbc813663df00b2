#include "core/files/NameWatch.h"

// The host build has no watch: looks alone tell what happened.
struct NameWatch::System {};

NameWatch::NameWatch(const std::string&, const std::string&, uint64_t number) : count_{number} {}

NameWatch::~NameWatch() = default;

bool NameWatch::Standing() const { return false; }

std::optional<NameCount> NameWatch::Changes(bool) { return std::nullopt; }

void* NameWatch::Event() const { return nullptr; }
