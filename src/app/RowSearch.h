#pragma once

#include <string>

namespace qb {

class CStatus;

// "段の検索": finds the next row whose caption holds a text, in the order of
// the row tree from the selected row on (wrapping around once), unfolds and
// shows it, selects it alone and scrolls it into view.
class RowSearch {
public:
    explicit RowSearch(CStatus& status) : status_(status) {}

    // False, after telling the user, when no row holds the text.
    bool FindNext(const std::string& text, bool matchCase, bool forward);

private:
    CStatus& status_;
};

}  // namespace qb
