#pragma once

#include <QObject>

class QMenu;
class QPoint;
class QWidget;

namespace qb {

class CStatus;

// The ruler's right-click menu: the settings of the upper and the lower
// band and the font sizes, enabled as the View menu's ruler items are.
class RulerMenu : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kUpper = "ルーラー上段の表示設定(&U)";
    static constexpr const char* kLower = "ルーラー下段の表示設定(&L)";
    static constexpr const char* kFontSize = "ルーラーのフォントサイズの設定(&S)";

    // Shows itself when the ruler widget asks for a context menu.
    RulerMenu(QWidget& ruler, CStatus& status);

    // The menu as it would be shown now.
    QMenu* Build(QWidget* parent) const;

private:
    void Show(const QPoint& at);

    QWidget& ruler_;
    CStatus& status_;
};

}  // namespace qb
