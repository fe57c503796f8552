#pragma once

#include <QToolBar>

class QComboBox;

namespace qb {

class ColourButton;
class Palette;

// The palette bar "パレット": the shape new schedules take (built-in shapes,
// then the favourites), the line new links take ("線なし" last) and the fill
// and pen colours. Each list shows a picture drawn as the chart draws it.
// Choosing changes the palette at once; the bar follows the palette when
// something else changes it (the favourite-shape editor).
class PaletteBar : public QToolBar {
    Q_OBJECT

public:
    explicit PaletteBar(Palette& palette, QWidget* parent = nullptr);
    ~PaletteBar() override;
    PaletteBar(const PaletteBar&) = delete;
    PaletteBar& operator=(const PaletteBar&) = delete;

    QComboBox* Shapes() const { return shapes_; }
    QComboBox* Lines() const { return lines_; }
    ColourButton* FillButton() const { return fill_; }
    ColourButton* PenButton() const { return pen_; }

private:
    // Lists and colours anew from the palette.
    void Refresh();
    void FillShapes();
    void FillLines();

    Palette& palette_;
    QComboBox* shapes_ = nullptr;
    QComboBox* lines_ = nullptr;
    ColourButton* fill_ = nullptr;
    ColourButton* pen_ = nullptr;
    int subscription_ = 0;
    bool refreshing_ = false;
};

}  // namespace qb
