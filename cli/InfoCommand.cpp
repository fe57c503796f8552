#include "CliOutput.h"
#include "Commands.h"

namespace qb::cli {

int RunInfo(const Args&) {
    return CliOutput::Fail("not built yet");
}

}  // namespace qb::cli
