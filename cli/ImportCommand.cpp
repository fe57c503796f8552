#include "CliOutput.h"
#include "Commands.h"

namespace qb::cli {

int RunImport(const Args& /*args*/) {
    return CliOutput::Fail("import: not available yet");
}

}  // namespace qb::cli
