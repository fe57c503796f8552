#include "RecentFiles.h"

namespace qb {

void RecentFiles::Add(const std::string& /*path*/) {}
void RecentFiles::Load(const ISettingsStore& /*store*/) {}
void RecentFiles::Save(ISettingsStore& /*store*/) const {}

}  // namespace qb
