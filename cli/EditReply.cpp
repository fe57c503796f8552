#include "EditReply.h"

#include <cstdio>

#include "CliDocument.h"
#include "CliOptions.h"
#include "CliOutput.h"

namespace qb::cli {

bool EditReply::ParseId(std::string_view text, std::int32_t& id) {
    int value = 0;
    if (!CliOptions::ParseNumber(text, value) || value < 0)
        return false;
    id = value;
    return true;
}

bool EditReply::ParseIds(std::string_view text, std::vector<std::int32_t>& ids) {
    while (true) {
        const std::size_t comma = text.find(',');
        std::int32_t id = 0;
        if (!ParseId(text.substr(0, comma), id))
            return false;
        ids.push_back(id);
        if (comma == std::string_view::npos)
            return true;
        text.remove_prefix(comma + 1);
    }
}

int EditReply::Finish(CliDocument& document, const EditResult& result) {
    if (!result.ok) {
        if (result.message)
            document.Prompt().Show(*result.message);
        return CliOutput::kFailure;
    }
    return document.SaveIfSingle() ? CliOutput::kSuccess : CliOutput::kFailure;
}

int EditReply::FinishWithId(CliDocument& document, const EditResult& result) {
    const int status = Finish(document, result);
    if (status == CliOutput::kSuccess)
        std::printf("%d\n", result.id);
    return status;
}

int EditReply::FinishWithIds(CliDocument& document, const EditResult& result,
                             const std::vector<std::int32_t>& ids) {
    const int status = Finish(document, result);
    if (status == CliOutput::kSuccess) {
        for (const std::int32_t id : ids)
            std::printf("%d\n", id);
    }
    return status;
}

}  // namespace qb::cli
