#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace qb {

class CGuiRow;

// The rows of one level, in display order: the top level or one row's
// children. Each row's index is its position here.
class CGuiRowArray {
public:
    explicit CGuiRowArray(CGuiRow* owner = nullptr);
    ~CGuiRowArray();
    CGuiRowArray(const CGuiRowArray&) = delete;
    CGuiRowArray& operator=(const CGuiRowArray&) = delete;

    // The row whose children these are; null for the top level.
    CGuiRow* GetOwner() const { return owner_; }
    std::size_t Size() const { return rows_.size(); }
    bool Empty() const { return rows_.empty(); }
    CGuiRow* At(std::size_t index) const { return rows_[index].get(); }
    CGuiRow* Add(std::unique_ptr<CGuiRow> row);
    // Places the row before index (Size(): at the end); the rows after it
    // move up one place.
    CGuiRow* Insert(std::size_t index, std::unique_ptr<CGuiRow> row);
    // Puts row at index in the place of the row there, which goes.
    CGuiRow* Replace(std::size_t index, std::unique_ptr<CGuiRow> row);
    // Drops the rows from count on.
    void Truncate(std::size_t count);
    void Clear();

    auto begin() const { return rows_.begin(); }
    auto end() const { return rows_.end(); }

private:
    CGuiRow* owner_;
    std::vector<std::unique_ptr<CGuiRow>> rows_;
};

}  // namespace qb
