#pragma once

#include <QDialog>
#include <QImage>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace qb {

class PrintEngine;

// "印刷プレビュー": the laid-out pages one at a time, with "%d / %d ページ",
// previous and next page and a zoom that starts at 100% (a page at its
// paper size on a 96-dpi screen).
class PrintPreviewWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int kZooms[] = {25, 50, 75, 100, 150, 200, 300};

    explicit PrintPreviewWindow(PrintEngine& engine, QWidget* parent = nullptr);

    int Page() const { return page_; }
    void ShowPage(int index);
    // Percent, one of kZooms.
    void SetZoom(int percent);
    int Zoom() const { return zoom_; }
    QLabel* PageLabel() const { return pageLabel_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* PreviousButton() const { return previous_; }
    QComboBox* ZoomBox() const { return zoomBox_; }
    // The page as it is shown.
    const QImage& PageImage() const { return image_; }

    // The page at index at percent zoom, white paper with its drawing.
    static QImage RenderPage(PrintEngine& engine, int index, int percent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Refresh();

    PrintEngine& engine_;
    int page_ = 0;
    int zoom_ = 100;
    QImage image_;
    QLabel* pageLabel_ = nullptr;
    QLabel* paper_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
};

}  // namespace qb
