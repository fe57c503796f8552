#include "HistoryCopy.h"

namespace qb {

bool HistoryCopy::Prepare(const std::string& /*path*/, bool /*saveHistory*/) {
    return false;
}
void HistoryCopy::Finish(const std::string& /*path*/, bool /*projectHasRows*/) {}

}  // namespace qb
