#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace qb {

class CProject;
class CRow;
class CRowArray;

// The live rows a schedule record may name, by id or by text, looked up in
// constant time however many records an import holds. Rows the import adds
// are announced, so that later records find them too.
class ImportRowIndex {
public:
    explicit ImportRowIndex(CProject& project) : project_(project) {}

    // A live row (not deleted, not below a deleted row); null when none.
    CRow* ById(std::int32_t id);
    // The first live row in tree order (a row before its children) whose
    // text, trimmed of blanks and without line breaks, equals caption.
    CRow* ByCaption(std::string_view caption);
    void RowAdded(CRow& row);

private:
    void Collect(const CRowArray& rows, bool withCaptions);
    void Build(bool withCaptions);

    CProject& project_;
    std::unordered_map<std::int32_t, CRow*> ids_;
    std::unordered_map<std::string, CRow*> captions_;
    bool idsBuilt_ = false;
    bool captionsBuilt_ = false;
};

}  // namespace qb
