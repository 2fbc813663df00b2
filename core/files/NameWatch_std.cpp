#include "core/files/NameWatch.h"

// The host build has no watch: looks alone tell what happened.
struct NameWatch::System {};

NameWatch::NameWatch(const std::string& folder, const std::string& name)
    : folder_(folder), name_(name) {}

NameWatch::~NameWatch() = default;

bool NameWatch::Standing() const { return false; }

std::optional<NameWatch::Count> NameWatch::Changes() { return std::nullopt; }

void* NameWatch::Event() const { return nullptr; }
