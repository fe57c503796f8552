#include "PrintSettings.h"

#include <gtest/gtest.h>

#include "PaperSize.h"
#include "ViewStatus.h"

namespace qb {
namespace {

TEST(PrintSettings, LandscapeIsAlwaysTheWiderWay) {
    PrintSettings settings;
    settings.paperSize = 8;  // A3
    settings.orientation = PrintSettings::kLandscape;
    EXPECT_EQ(settings.PaperWidth(), 4200);
    EXPECT_EQ(settings.PaperHeight(), 2970);
    settings.orientation = PrintSettings::kPortrait;
    EXPECT_EQ(settings.PaperWidth(), 2970);
    EXPECT_EQ(settings.PaperHeight(), 4200);
}

TEST(PrintSettings, UnknownPaperCodeReadsAsA4) {
    EXPECT_STREQ(PaperSize::ForCode(1).name, "A4");
    EXPECT_STREQ(PaperSize::ForCode(43).name, "はがき");
    EXPECT_EQ(PaperSize::ForName("postcard")->code, 43);
    EXPECT_FALSE(PaperSize::ForName("Letter"));
    ViewStatus status;
    status.paperSize = 70;
    PrintSettings settings;
    settings.LoadFrom(status);
    EXPECT_EQ(settings.paperSize, PaperSize::kA4Code);
}

TEST(PrintSettings, ViewStatusRoundTripKeepsEveryPrintValue) {
    PrintSettings settings;
    settings.paperSize = 12;
    settings.orientation = PrintSettings::kPortrait;
    settings.marginLeft = 100;
    settings.marginTop = 110;
    settings.marginRight = 120;
    settings.marginBottom = 130;
    settings.pageFormat = 7;
    settings.pageAlign = 5;
    settings.progress = true;
    settings.title = false;
    settings.holiday = false;
    settings.today = false;
    settings.titleSize = 3;
    ViewStatus status;
    settings.StoreTo(status);
    PrintSettings back;
    back.LoadFrom(status);
    ViewStatus again;
    back.StoreTo(again);
    EXPECT_EQ(again.paperSize, 12);
    EXPECT_EQ(again.orientation, 1);
    EXPECT_EQ(again.marginLeft, 100);
    EXPECT_EQ(again.marginBottom, 130);
    EXPECT_EQ(again.pageFormat, 7);
    EXPECT_EQ(again.pageAlign, 5);
    EXPECT_EQ(again.progress, 1);
    EXPECT_EQ(again.title, 0);
    EXPECT_EQ(again.holiday, 0);
    EXPECT_EQ(again.today, 0);
    EXPECT_EQ(again.printTitleSize, 3);
}

TEST(PrintSettings, DamagedValuesAreHeldToTheirRanges) {
    ViewStatus status;
    status.orientation = 7;
    status.marginLeft = -5;
    status.marginTop = 99999;
    status.pageFormat = 12;
    status.pageAlign = -1;
    status.printTitleSize = 9;
    PrintSettings settings;
    settings.LoadFrom(status);
    EXPECT_EQ(settings.orientation, PrintSettings::kLandscape);
    EXPECT_EQ(settings.marginLeft, 0);
    EXPECT_EQ(settings.marginTop, 1000);
    EXPECT_EQ(settings.pageFormat, 7);
    EXPECT_EQ(settings.pageAlign, 0);
    EXPECT_EQ(settings.titleSize, 3);
}

}  // namespace
}  // namespace qb
