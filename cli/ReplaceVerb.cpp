#include <cstdio>
#include <string>

#include "CStatus.h"
#include "CliDocument.h"
#include "CliOutput.h"
#include "EditReply.h"
#include "EditVerbs.h"
#include "FindFlags.h"
#include "TextReplacer.h"

namespace qb::cli {

int RunReplaceVerb(CliDocument& document, const Args& args) {
    FindOptions options;
    if (args.size() < 2 || !FindFlags::Parse(Args(args.begin() + 2, args.end()), options)) {
        return CliOutput::Usage(std::string("edit FILE.qbd replace FIND REPLACEMENT ") +
                                FindFlags::kUsage);
    }
    CStatus& status = document.Status();
    int changed = 0;
    const EditResult result =
        TextReplacer::Run(status.Doc(), status.Edit(), args[0], args[1], options, changed);
    const int exit = EditReply::Finish(document, result);
    if (exit == CliOutput::kSuccess)
        std::printf("%d\n", changed);
    return exit;
}

}  // namespace qb::cli
