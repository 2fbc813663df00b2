#include "early/EarlySettings.h"

namespace early {

std::string GameFolder;
std::string ShotFolder;

}  // namespace early
