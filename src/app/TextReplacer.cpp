#include "TextReplacer.h"

#include <optional>
#include <string>
#include <unordered_map>

#include "CDrawPartArray.h"
#include "CMemo.h"
#include "CProject.h"
#include "CRow.h"
#include "CRowArray.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "Document.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "TextMatcher.h"

namespace qb {
namespace {

using RowHeights = std::unordered_map<std::int32_t, int>;

void CollectHeights(const CRowArray& rows, RowHeights& heights) {
    rows.ForEach([&heights](const CRow& row) {
        heights[row.GetObjectId()] = row.GetHeight();
        CollectHeights(row.GetChildren(), heights);
    });
}

// The overflow option keeps only objects at or below their row's height;
// an object without a row counts as below it.
class OverflowTest {
public:
    OverflowTest(const CProject& project, bool active) : active_(active) {
        if (active_)
            CollectHeights(project.GetRows(), heights_);
    }
    bool Passes(std::int32_t rowId, int yOffset) const {
        if (!active_)
            return true;
        const auto found = heights_.find(rowId);
        return yOffset >= (found != heights_.end() ? found->second : 0);
    }

private:
    bool active_;
    RowHeights heights_;
};

// Sets the replaced text through setter; true when there was one.
template <class Setter>
bool ReplaceIn(std::string_view text, const TextMatcher& matcher, std::string_view replacement,
               Setter setter) {
    std::optional<std::string> replaced = matcher.Replace(text, replacement);
    if (!replaced || *replaced == text)
        return false;
    setter(std::move(*replaced));
    return true;
}

}  // namespace

int TextReplacer::Apply(CProject& project, std::string_view text, std::string_view replacement,
                        const FindOptions& options, const EditStamp& stamp) {
    const TextMatcher matcher(text, options);
    if (matcher.IsEmpty())
        return 0;
    const OverflowTest overflow(project, options.overflowOnly);
    int changed = 0;
    if (options.captions || options.remarks) {
        project.GetSchedules().ForEach([&](CSchedule& schedule) {
            if (schedule.IsDeleted() ||
                !overflow.Passes(schedule.GetRowObjectId(), schedule.GetYOffset()))
                return;
            bool any = false;
            if (options.captions)
                any |= ReplaceIn(schedule.GetCaption(), matcher, replacement,
                                 [&](std::string v) { schedule.SetCaption(std::move(v)); });
            if (options.remarks)
                any |= ReplaceIn(schedule.GetRemark(), matcher, replacement,
                                 [&](std::string v) { schedule.SetRemark(v); });
            if (any) {
                stamp.Changed(schedule);
                ++changed;
            }
        });
    }
    if (options.memos) {
        project.GetDrawParts().ForEach([&](CDrawPart& part) {
            if (part.IsDeleted() || part.GetType() != CData::kMemo)
                return;
            auto& memo = static_cast<CMemo&>(part);
            if (!overflow.Passes(memo.GetYRowId(), memo.GetYOffset()))
                return;
            if (ReplaceIn(memo.GetText(), matcher, replacement,
                          [&](std::string v) { memo.SetText(std::move(v)); })) {
                stamp.Changed(memo);
                ++changed;
            }
        });
    }
    return changed;
}

EditResult TextReplacer::Run(Document& document, EditSession& edit, std::string_view text,
                             std::string_view replacement, const FindOptions& options,
                             int& changed) {
    changed = 0;
    if (document.GetProject() == nullptr)
        return EditResult::Failed();
    if (TextMatcher(text, options).IsEmpty())
        return EditResult::Refused(kEmptySearch.Plain());
    if (document.IsShared())
        return EditResult::Refused(kSharedMode.Plain());
    if (document.IsReadOnly())
        return EditResult::Refused(kReadOnly.Plain());
    if (!edit.BeginEdit(kUndoName))
        return EditResult::Failed();
    changed = Apply(*document.GetProject(), text, replacement, options, edit.Stamp());
    if (changed == 0) {
        edit.CancelEdit();
        return EditResult::Done();
    }
    edit.EndEdit();
    return EditResult::Done();
}

}  // namespace qb
