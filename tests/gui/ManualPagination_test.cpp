// Breaking the manual into pages: headings stay with their text, and moving
// one lays out everything after it again.
#include "ManualPagination.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <memory>
#include <vector>

namespace qb {
namespace {

// Laying out text needs fonts, and fonts need an application object; the
// tests need no screen.
class GuiApplication : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "qb_manual_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] testing::Environment* const kApplication =
    testing::AddGlobalTestEnvironment(new GuiApplication);

const QSizeF kPage(300.0, 200.0);
constexpr double kEdge = 4.0;

// Some lines of body text, then a heading and its paragraph.
QString TextThenHeading(int lines) {
    QString html;
    for (int i = 0; i < lines; ++i)
        html += QStringLiteral("<p>line %1</p>").arg(i);
    return html + QStringLiteral(
                      "<h2>Heading</h2><p>its text</p>"
                      "<table border=\"1\"><tr><td>a cell</td></tr></table><p>more</p>");
}

QTextBlock HeadingOf(const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 0)
            return block;
    }
    return {};
}

// With only the page size set, the heading ends a page and its text begins
// the next.
bool EndsAPage(const QTextDocument& document) {
    const QTextBlock heading = HeadingOf(document);
    return ManualPagination::PageOf(document, heading.next()) >
           ManualPagination::PageOf(document, heading);
}

TEST(ManualPagination, AHeadingAtTheFootOfAPageMovesToTheNextWithItsText) {
    int cases = 0;
    for (int lines = 1; lines < 30; ++lines) {
        QTextDocument document;
        document.setHtml(TextThenHeading(lines));
        document.setPageSize(kPage);
        if (!EndsAPage(document))
            continue;
        ++cases;
        const int pages = ManualPagination::Paginate(document, kPage, kEdge);
        const QTextBlock heading = HeadingOf(document);
        EXPECT_EQ(ManualPagination::PageOf(document, heading),
                  ManualPagination::PageOf(document, heading.next()))
            << lines << " lines";
        EXPECT_EQ(ManualPagination::PageOf(document, document.lastBlock()), pages - 1)
            << lines << " lines";
    }
    EXPECT_GT(cases, 0) << "no layout put the heading at the foot of a page";
}

std::vector<double> BlockTops(const QTextDocument& document) {
    std::vector<double> tops;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        tops.push_back(document.documentLayout()->blockBoundingRect(block).top());
    return tops;
}

// The pages are those a fresh layout of the final document gives: nothing
// after a moved heading is left where it stood before the move.
TEST(ManualPagination, EverythingAfterAMovedHeadingIsLaidOutAgain) {
    // Long enough that Qt lays out what follows a change in steps.
    for (int lines = 1; lines < 12; ++lines) {
        QString html;
        for (int section = 0; section < 20; ++section)
            html += TextThenHeading(lines + section);
        QTextDocument document;
        document.setHtml(html);
        const int pages = ManualPagination::Paginate(document, kPage, kEdge);
        const std::vector<double> paginated = BlockTops(document);
        document.markContentsDirty(0, document.characterCount());
        EXPECT_EQ(BlockTops(document), paginated) << lines << " lines";
        EXPECT_EQ(document.pageCount(), pages) << lines << " lines";
    }
}

// A heading whose text the source itself sends to a later page cannot be
// kept with it; the heading moves once and the pagination ends.
TEST(ManualPagination, AHeadingThatCannotBeKeptWithItsTextMovesOnlyOnce) {
    QTextDocument document;
    document.setHtml(QStringLiteral(
        "<p>before</p><h2>Heading</h2><p style=\"page-break-before: always\">text</p>"));
    EXPECT_EQ(ManualPagination::Paginate(document, kPage, kEdge), 3);
    EXPECT_EQ(ManualPagination::PageOf(document, HeadingOf(document)), 1);
}

}  // namespace
}  // namespace qb
