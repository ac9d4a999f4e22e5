#pragma once

#include "core/platform/LegacyRegistry.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/Settings.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cairnly {

// The first-run units dialog: the metric flag chosen, or empty when it was closed by its close box,
// which leaves the flag as it was.
using UnitsQuestion = std::function<std::optional<bool>()>;

struct ImportOutcome
{
    bool keyOpened = false;
    bool unitsAsked = false;                  // the registry held no unit choice
    std::vector<std::string> unrecordedPaths; // export paths kept out of the file (UTF-8)
};

// Carries the settings of the earlier version's registry key into the settings file of a data file
// that had none, and into memory. Without the key: the default printing font, the units question, the
// user-column count and the four default column widths. With it: every value in turn, a value that is
// missing, of another size or out of range giving the default. The caller saves the profile.
ImportOutcome importLegacySettings(ProfileFile& profile, Settings& settings, const LegacyRegistry& registry,
                                   int pixelsPerInch, const UnitsQuestion& askUnits);

} // namespace cairnly
