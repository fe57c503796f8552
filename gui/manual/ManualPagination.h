#pragma once

#include <QSizeF>

class QTextBlock;
class QTextDocument;

namespace qb {

// Breaks a text document into pages of one size: each page keeps a blank
// edge at its top and bottom, lines stay whole, and a heading never stands
// alone at the foot of a page.
class ManualPagination {
public:
    // Lays the document out on pages of pageSize (in the units of its layout)
    // with edge kept blank at the top and bottom of each; returns the number
    // of pages.
    static int Paginate(QTextDocument& document, const QSizeF& pageSize, double edge);

    // The page on which the first line of a laid-out block stands.
    static int PageOf(const QTextDocument& document, const QTextBlock& block);

private:
    static QTextBlock FirstLoneHeading(const QTextDocument& document);
};

}  // namespace qb
