#include "AppEnvironment.h"

namespace qb {

AppEnvironment AppEnvironment::FromProcess(const char* /*argv0*/) {
    return {};
}

}  // namespace qb
