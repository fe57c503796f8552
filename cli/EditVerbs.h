#pragma once

#include "Commands.h"

namespace qb::cli {

class CliDocument;

// The edit verbs beyond the basic ones, each given the open document and the
// arguments after its name; same exit statuses as the commands.
int RunShiftVerb(CliDocument& document, const Args& args);
int RunMoveVerb(CliDocument& document, const Args& args);
int RunPasteVerb(CliDocument& document, const Args& args);
int RunAddLinkVerb(CliDocument& document, const Args& args);
int RunAddMemoVerb(CliDocument& document, const Args& args);
// Every occurrence of a text replaced in the texts the find switches choose.
int RunReplaceVerb(CliDocument& document, const Args& args);

}  // namespace qb::cli
