#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "IChartEdits.h"

namespace qb {

class AppServices;
class CData;
class CProject;
class Document;
class EditSession;
class EditStamp;

// The chart's changes to schedules, memos and links, each one single step of
// the edit transaction: in single mode one undo step, in shared mode taken
// and written at once. The targets are found again by id after the file was
// taken; when one is gone, or a row or link end the values name, the step
// ends with the matching message and nothing written.
class ChartEdits : public IChartEdits {
public:
    ChartEdits(Document& document, EditSession& edit, AppServices& services)
        : document_(document), edit_(edit), services_(services) {}

    EditResult AddObject(const CData& object) override;
    EditResult ChangeObjects(const std::vector<const CData*>& values) override;
    EditResult CopyObjects(const std::vector<const CData*>& values) override;
    EditResult DeleteObjects(const std::vector<std::int32_t>& ids) override;
    EditResult MoveSchedule(const CData& values, bool askAgain) override;

private:
    using Values = std::vector<std::unique_ptr<CData>>;

    EditResult Add(Values values, bool fromSources);
    // The schedule as values has it and the other objects of ids moved by
    // days, as one edit transaction; all or nothing.
    EditResult MoveLinked(const CData& values, const std::vector<std::int32_t>& ids, int days);
    // The live object of values' class carrying its id; null when gone.
    static CData* FindTarget(const CProject& project, const CData& values);
    // The checks of a step, in the order their messages take precedence.
    static std::optional<PromptMessage> RowsGone(const CProject& project, const Values& values);
    static std::optional<PromptMessage> SourcesGone(const CProject& project, const Values& values);
    static std::optional<PromptMessage> EndsGone(const CProject& project, const Values& values);
    static std::int32_t Insert(CProject& project, const CData& values, const EditStamp& stamp);

    Document& document_;
    EditSession& edit_;
    AppServices& services_;
};

}  // namespace qb
