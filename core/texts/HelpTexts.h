#pragma once

#include <string>

#include "core/Edition.h"

// The help label's instructions: three sentences and the request command,
// each paragraph after a lone carriage return. Every double quote of the
// command comes from the given quote text.
std::string InstructionText(const std::string& quote, Edition edition);

inline constexpr char kHelpCaption[] = "VDR Camera Help";
inline constexpr char kSysInfoUnavailable[] = "System Information Is Unavailable At This Time";
