#include "ModeTabBar.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabBar>

namespace qb {

namespace {

QLabel* MakeBox(QWidget* parent) {
    auto* box = new QLabel(parent);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setMargin(2);
    box->setAlignment(Qt::AlignCenter);
    box->hide();
    return box;
}

}  // namespace

ModeTabBar::ModeTabBar(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->setSpacing(4);
    tabs_ = new QTabBar(this);
    for (const char* title : {"プロジェクト情報", "日", "月", "年"})
        tabs_->addTab(QString::fromUtf8(title));
    tabs_->setDrawBase(false);
    modeBox_ = MakeBox(this);
    readOnlyBox_ = MakeBox(this);
    readOnlyBox_->setText(QString::fromUtf8("読み取り専用"));
    layout->addWidget(tabs_);
    layout->addStretch(1);
    layout->addWidget(modeBox_);
    layout->addWidget(readOnlyBox_);
    connect(tabs_, &QTabBar::currentChanged, this, &ModeTabBar::TabChosen);
}

void ModeTabBar::SelectTab(int index) {
    const QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(index);
}

int ModeTabBar::CurrentTab() const {
    return tabs_->currentIndex();
}

void ModeTabBar::ShowMode(bool documentOpen, bool shared, bool readOnly) {
    modeBox_->setText(QString::fromUtf8(shared ? "共有モード" : "シングルモード"));
    modeBox_->setVisible(documentOpen);
    readOnlyBox_->setVisible(documentOpen && readOnly);
}

void ModeTabBar::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    emit RightClicked();
}

}  // namespace qb
