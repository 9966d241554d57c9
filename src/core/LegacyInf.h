// The settings file of the oldest versions, ruxa.inf: seven integers separated
// by commas or line breaks, taken over once at the first start.
#pragma once
#include <string_view>
#include <variant>

#include "RuntimeError.h"
#include "Settings.h"

std::variant<LegacyOptions, RuntimeError> ParseLegacyInf(std::string_view text);
