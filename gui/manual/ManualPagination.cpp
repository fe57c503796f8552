#include "ManualPagination.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

namespace qb {

// A heading left alone at the foot of a page starts the next page instead,
// one at a time, since moving a heading moves everything after it.
int ManualPagination::Paginate(QTextDocument& document, const QSizeF& pageSize, double edge) {
    // The root frame's top and bottom margins repeat on every page, so that a
    // line pushed to the next page leaves nothing of itself behind.
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setTopMargin(edge);
    frame.setBottomMargin(edge);
    document.rootFrame()->setFrameFormat(frame);
    document.setPageSize(pageSize);
    for (QTextBlock heading = FirstLoneHeading(document); heading.isValid();
         heading = FirstLoneHeading(document)) {
        QTextBlockFormat format;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(heading).mergeBlockFormat(format);
        // Qt lays out what follows a change in steps that keep stale places
        // for some of it; the whole document laid out again is right.
        document.markContentsDirty(0, document.characterCount());
    }
    return document.pageCount();
}

int ManualPagination::PageOf(const QTextDocument& document, const QTextBlock& block) {
    double top = document.documentLayout()->blockBoundingRect(block).top();
    if (block.layout() != nullptr && block.layout()->lineCount() > 0)
        top += block.layout()->lineAt(0).y();
    return static_cast<int>(top / document.pageSize().height());
}

// The first heading whose following text starts on a later page. A heading
// that already starts a page is left as it is: what follows it is taller
// than a page can hold.
QTextBlock ManualPagination::FirstLoneHeading(const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        if (format.headingLevel() == 0 || !block.next().isValid() ||
            (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) != 0)
            continue;
        if (PageOf(document, block.next()) > PageOf(document, block))
            return block;
    }
    return {};
}

}  // namespace qb
