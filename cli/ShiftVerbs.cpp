#include "CliDocument.h"
#include "CliOutput.h"
#include "EditVerbs.h"

namespace qb::cli {

int RunShiftVerb(CliDocument& /*document*/, const Args& /*args*/) {
    return CliOutput::kFailure;
}

int RunMoveVerb(CliDocument& /*document*/, const Args& /*args*/) {
    return CliOutput::kFailure;
}

}  // namespace qb::cli
