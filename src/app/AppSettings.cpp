#include "AppSettings.h"

namespace qb {

void AppSettings::Load(const ISettingsStore& /*store*/, const AppEnvironment& /*environment*/) {}
void AppSettings::Save(ISettingsStore& /*store*/) const {}

}  // namespace qb
