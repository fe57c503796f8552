#include "CliOutput.h"
#include "Commands.h"

namespace qb::cli {

int RunCopy(const Args& /*args*/) {
    return CliOutput::kFailure;
}

}  // namespace qb::cli
