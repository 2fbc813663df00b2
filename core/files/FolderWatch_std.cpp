#include "core/files/FolderWatch.h"

// The host build has no watch: the folder is listed whenever it matters.
struct FolderWatch::System {};

FolderWatch::FolderWatch(const std::string&) {}

FolderWatch::~FolderWatch() = default;

std::optional<std::vector<FolderWatch::Change>> FolderWatch::Take() { return std::nullopt; }
