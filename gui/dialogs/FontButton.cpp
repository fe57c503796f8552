#include "FontButton.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <cmath>

#include "FontResolver.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

FontButton::FontButton(const CFontInfo& font, bool allowDefault, QWidget* parent)
    : QWidget(parent), font_(font) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    choose_ = new QPushButton(this);
    choose_->setMinimumWidth(200);
    layout->addWidget(choose_, 1);
    connect(choose_, &QPushButton::clicked, this, &FontButton::Choose);
    if (allowDefault) {
        default_ = new QPushButton(Text("既定のフォント"), this);
        layout->addWidget(default_);
        connect(default_, &QPushButton::clicked, this, [this] {
            CFontInfo unset = font_;
            unset.SetValid(false);
            SetFont(unset);
        });
    }
    SetFont(font);
}

void FontButton::SetFont(const CFontInfo& font) {
    const bool changed = !(font == font_);
    font_ = font;
    choose_->setText(Describe(font_));
    if (default_ != nullptr)
        default_->setEnabled(font_.IsValid());
    if (changed)
        emit Changed();
}

QString FontButton::Describe(const CFontInfo& font) {
    if (!font.IsValid())
        return Text("（既定のフォント）");
    QString text =
        QStringLiteral("%1  %2px").arg(QString::fromStdString(font.GetFace())).arg(font.GetSize());
    if (font.IsBold())
        text += Text(" 太字");
    if (font.IsItalic())
        text += Text(" 斜体");
    if (font.IsUnderline())
        text += Text(" 下線");
    if (font.IsStrikeOut())
        text += Text(" 取消線");
    return text;
}

CFontInfo FontButton::FromQFont(const QFont& font) {
    int pixels = font.pixelSize();
    if (pixels <= 0)
        pixels = static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
    std::int32_t bits = 0;
    if (font.bold())
        bits |= CFontInfo::kBold;
    if (font.italic())
        bits |= CFontInfo::kItalic;
    if (font.underline())
        bits |= CFontInfo::kUnderline;
    if (font.strikeOut())
        bits |= CFontInfo::kStrikeOut;
    return CFontInfo(font.family().toStdString(), pixels > 0 ? pixels : CFontInfo::kDefaultSize,
                     bits);
}

QFont FontButton::ToQFont() const {
    FontResolver families;
    const CFontInfo shown =
        font_.IsValid() ? font_ : CFontInfo(CFontInfo::DefaultFace(), CFontInfo::kDefaultSize, 0);
    QFont font(families.Resolve(shown.GetFace()));
    font.setPixelSize(shown.GetSize() > 0 ? shown.GetSize() : CFontInfo::kDefaultSize);
    font.setBold(shown.IsBold());
    font.setItalic(shown.IsItalic());
    font.setUnderline(shown.IsUnderline());
    font.setStrikeOut(shown.IsStrikeOut());
    return font;
}

void FontButton::Choose() {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, ToQFont(), this, Text("フォントの選択"));
    if (!ok)
        return;
    CFontInfo font = FromQFont(chosen);
    // The face as stored stays when the user kept the family it maps to.
    if (font_.IsValid() && FontResolver().Resolve(font_.GetFace()) == chosen.family())
        font.SetFace(font_.GetFace());
    SetFont(font);
}

}  // namespace qb
