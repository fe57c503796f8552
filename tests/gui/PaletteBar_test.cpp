// The palette bar in the window: its lists are the palette's, choosing
// changes the palette, the view menu hides and shows it; and the
// favourite-shape editor's dialog over its form.
#include "PaletteBar.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

#include "AppSettings.h"
#include "CCommandHandler.h"
#include "CStyleData.h"
#include "CommandIds.h"
#include "FavouriteShapesForm.h"
#include "GuiFixture.h"
#include "MainWindow.h"
#include "Palette.h"
#include "ToolBars.h"
#include "dialogs/ColourButton.h"
#include "dialogs/FavouriteShapesDialog.h"

namespace qb {
namespace {

using PaletteBarTest = GuiFixture;

std::unique_ptr<CStyleData> OneFavourite(const char* name) {
    auto styles = std::make_unique<CStyleData>();
    auto style = std::make_unique<CScheduleStyle>();
    style->SetKey(name);
    style->SetSubType(1);
    style->SetHeight(10);
    styles->GetStyles().Add(std::move(style));
    return styles;
}

QRgb MiddleOf(const QIcon& icon, QSize size) {
    const QImage image = icon.pixmap(size).toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

TEST_F(PaletteBarTest, ChoosingInTheBarChangesThePaletteAndTheBarFollowsThePalette) {
    MainWindow window(status);
    window.show();
    auto* bar = qobject_cast<PaletteBar*>(window.Bars()->Bar(cmd::kPaletteBar));
    ASSERT_NE(bar, nullptr);
    Palette& palette = status.GetPalette();
    QComboBox* shapes = bar->Shapes();
    ASSERT_EQ(shapes->count(), palette.ShapeCount());
    EXPECT_EQ(shapes->currentIndex(), 3);

    shapes->setCurrentIndex(6);
    EXPECT_EQ(palette.CurrentShapeIndex(), 6);
    EXPECT_EQ(status.Services().Settings().paletteType, 6);
    QComboBox* lines = bar->Lines();
    EXPECT_EQ(lines->itemText(lines->count() - 1), QStringLiteral("線なし"));
    lines->setCurrentIndex(lines->count() - 1);
    EXPECT_TRUE(palette.IsNoLine());

    // The pictures are drawn in the palette's colours.
    palette.SetFillColour(0x0000FF);
    EXPECT_EQ(bar->FillButton()->Colour(), 0x0000FFu);
    EXPECT_EQ(MiddleOf(shapes->itemIcon(3), shapes->iconSize()), qRgb(255, 0, 0));

    palette.SetFavourites(OneFavourite("会議"));
    ASSERT_EQ(shapes->count(), palette.BuiltInShapeCount() + 1);
    EXPECT_EQ(shapes->itemText(palette.BuiltInShapeCount()), QStringLiteral("会議"));
    EXPECT_EQ(shapes->currentIndex(), 6) << "refilling keeps the choice";
    shapes->setCurrentIndex(palette.BuiltInShapeCount());
    EXPECT_EQ(palette.ShapeName(palette.CurrentShapeIndex()), "会議");
}

TEST_F(PaletteBarTest, TheViewMenuHidesAndShowsTheBarOnceADocumentIsOpen) {
    MainWindow window(status);
    window.show();
    CCommandHandler& commands = status.Commands();
    QToolBar* bar = window.Bars()->Bar(cmd::kPaletteBar);
    EXPECT_FALSE(commands.State(cmd::kPaletteBar).enabled);
    ASSERT_TRUE(commands.Execute(cmd::kNew));
    EXPECT_TRUE(commands.State(cmd::kPaletteBar).checked);
    ASSERT_TRUE(commands.Execute(cmd::kPaletteBar));
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(commands.State(cmd::kPaletteBar).checked);
    ASSERT_TRUE(commands.Execute(cmd::kPaletteBar));
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(commands.State(cmd::kPaletteBar).checked);
}

TEST_F(PaletteBarTest, TheEditorDialogEditsTheFormsStyles) {
    FavouriteShapesForm form(status);
    form.AddFromPalette(3);
    form.AddFromPalette(6);
    FavouriteShapesDialog dialog(form, status.GetPalette());
    ASSERT_EQ(dialog.List()->count(), 2);
    dialog.List()->setCurrentRow(0);
    EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("バー"));

    dialog.HeightBox()->setValue(15);
    EXPECT_EQ(form.Style(0).GetHeight(), 15);
    dialog.KindBox()->setCurrentIndex(0);  // a line
    EXPECT_EQ(form.Style(0).GetSubType(), 0);

    dialog.NameEdit()->setText(QStringLiteral("会議"));
    emit dialog.NameEdit()->editingFinished();
    EXPECT_EQ(form.Style(0).GetKey(), "会議");
    EXPECT_EQ(dialog.List()->item(0)->text(), QStringLiteral("会議"));
    dialog.NameEdit()->setText(QString::fromStdString(form.Style(1).GetKey()));
    emit dialog.NameEdit()->editingFinished();
    EXPECT_EQ(form.Style(0).GetKey(), "会議") << "a duplicate is refused";
    EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("会議"));

    // Closing asks about the unsaved file; Cancel keeps the dialog open.
    dialog.show();
    prompt.QueueAnswer(PromptAnswer::kCancel);
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
    prompt.QueueAnswer(PromptAnswer::kNo);
    dialog.reject();
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace qb
