#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CData.h"
#include "DateOffset.h"
#include "EditResult.h"

namespace qb {

class AppServices;
class CProject;
class CRow;
class Document;
class EditSession;

// The single-step changes of a document: each one takes the file (and in
// shared mode reloads the project), finds its targets again by id, applies
// the change stamped with the user and the time, and commits. Targets that
// another process deleted meanwhile end the step with the matching message
// and nothing written.
class ProjectEdits {
public:
    using PropertyValues = std::vector<std::pair<std::string, std::string>>;

    ProjectEdits(Document& document, EditSession& edit, AppServices& services)
        : document_(document), edit_(edit), services_(services) {}

    // A new row in the children of parentId (kNoObject: the top level), at
    // index among the rows shown there (-1: at the end).
    EditResult AddRow(std::string caption, std::int32_t parentId = CData::kNoObject,
                      int index = -1);
    // A new bar on rowId from start to end.
    EditResult AddSchedule(std::int32_t rowId, const DateOffset& start, const DateOffset& end,
                           std::string caption = {});
    // Sets properties by their names and value texts (as in the property
    // map); all of them or, when one is unknown or its value does not read,
    // none.
    EditResult SetProperties(std::int32_t id, const PropertyValues& values);
    // Sets properties of the project object itself by name, and its
    // extension values (names beginning with "_", such as "_DefRowHeight");
    // all of them or none. The mode, the id counter and the audit values
    // are not set this way.
    EditResult SetProjectValues(const PropertyValues& values);
    // Marks the object deleted; a row takes its sub-rows and everything on
    // them along, and links lose their ends with the objects they join.
    EditResult DeleteObject(std::int32_t id);

    // A live row: present, not deleted, and not below a deleted row.
    static bool IsLiveRow(const CProject& project, std::int32_t id);

private:
    EditResult Abandon(EditSession& session, const PromptMessage& refusal);
    EditResult Finish(EditSession& session, std::int32_t newId = CData::kNoObject);
    std::int32_t RowBeforeReload(std::int32_t id) const;
    std::optional<PromptMessage> TargetGone(std::int32_t id, std::int32_t rowBefore,
                                            const CData* object) const;

    Document& document_;
    EditSession& edit_;
    AppServices& services_;
};

}  // namespace qb
