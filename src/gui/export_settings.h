#pragma once

#include "core/wiring_profile.h"

namespace glyphgrid {

// The profile last chosen in the export dialog, kept in the user's settings; the basic preset
// until one is chosen, or when the stored one does not read back whole or is not a valid profile
// (a name too long, a keyword, header off a C syntax).
WiringProfile LoadExportProfile();
void SaveExportProfile(const WiringProfile& profile);

}  // namespace glyphgrid
