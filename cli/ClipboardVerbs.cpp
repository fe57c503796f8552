#include "CliDocument.h"
#include "CliOutput.h"
#include "EditVerbs.h"

namespace qb::cli {

int RunPasteVerb(CliDocument& /*document*/, const Args& /*args*/) {
    return CliOutput::kFailure;
}

int RunAddLinkVerb(CliDocument& /*document*/, const Args& /*args*/) {
    return CliOutput::kFailure;
}

int RunAddMemoVerb(CliDocument& /*document*/, const Args& /*args*/) {
    return CliOutput::kFailure;
}

}  // namespace qb::cli
