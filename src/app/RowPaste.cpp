#include "RowPaste.h"

#include "CStatus.h"

namespace qb {

EditResult RowPaste::Paste(std::string_view /*block*/, std::int32_t /*atRowId*/) {
    (void)status_;
    return EditResult::Failed();
}

}  // namespace qb
