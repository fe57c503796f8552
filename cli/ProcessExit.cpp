#include "ProcessExit.h"

#include <cstdio>
#include <cstdlib>

#include "CliOutput.h"

namespace qb::cli {

void ProcessExit::Now(int status) {
    // A full disk or a closed pipe shows only when the buffer is written:
    // the command then fails after all.
    if (std::fflush(stdout) != 0 && status == CliOutput::kSuccess) {
        std::fputs("quellbrandiren-cli: the output could not be written\n", stderr);
        status = CliOutput::kFailure;
    }
    std::fflush(stderr);
    std::_Exit(status);
}

}  // namespace qb::cli
