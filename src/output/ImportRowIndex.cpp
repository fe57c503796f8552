#include "ImportRowIndex.h"

#include <utility>

#include "CProject.h"
#include "CRow.h"

namespace qb {
namespace {

// The form the project's own lookup by text compares.
std::string CaptionKey(std::string_view caption) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const std::size_t first = caption.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    caption = caption.substr(first, caption.find_last_not_of(kBlanks) - first + 1);
    std::string key;
    key.reserve(caption.size());
    for (char c : caption) {
        if (c != '\r' && c != '\n')
            key += c;
    }
    return key;
}

}  // namespace

void ImportRowIndex::Collect(const CRowArray& rows, bool withCaptions) {
    for (int i = 0, n = rows.GetCount(); i < n; ++i) {
        CRow* row = rows.At(i);
        if (row == nullptr || row->IsDeleted())
            continue;
        ids_.emplace(row->GetObjectId(), row);
        if (withCaptions)
            captions_.emplace(CaptionKey(row->GetCaption()), row);
        Collect(std::as_const(*row).GetChildren(), withCaptions);
    }
}

void ImportRowIndex::Build(bool withCaptions) {
    ids_.clear();
    if (withCaptions)
        captions_.clear();
    Collect(project_.GetRows(), withCaptions);
    idsBuilt_ = true;
    captionsBuilt_ = captionsBuilt_ || withCaptions;
}

CRow* ImportRowIndex::ById(std::int32_t id) {
    if (!idsBuilt_)
        Build(false);
    const auto found = ids_.find(id);
    return found == ids_.end() ? nullptr : found->second;
}

CRow* ImportRowIndex::ByCaption(std::string_view caption) {
    if (!captionsBuilt_)
        Build(true);
    const auto found = captions_.find(std::string(caption));
    return found == captions_.end() ? nullptr : found->second;
}

// A new row may come before an older one of the same text in tree order, so
// the texts are gathered again when next asked for.
void ImportRowIndex::RowAdded(CRow& row) {
    if (idsBuilt_)
        ids_.emplace(row.GetObjectId(), &row);
    captionsBuilt_ = false;
    captions_.clear();
}

}  // namespace qb
