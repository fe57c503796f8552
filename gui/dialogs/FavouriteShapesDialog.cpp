#include "FavouriteShapesDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "CScheduleStyle.h"
#include "ColourButton.h"
#include "FavouriteShapesForm.h"
#include "Palette.h"
#include "ShapeIcon.h"

namespace qb {
namespace {

struct Kind {
    const char* name;
    int type;
    int subType;
};

constexpr Kind kKinds[] = {
    {"線", 0, 0},           {"バー", 0, 1},         {"点（丸）", 1, 0},
    {"点（リング）", 1, 1}, {"点（四角）", 1, 2},   {"点（上三角）", 1, 3},
    {"点（下三角）", 1, 4}, {"点（ひし形）", 1, 5}, {"点（星）", 1, 6},
};

int KindOf(const CScheduleStyle& style) {
    const int type = style.GetScheduleType() == 0 ? 0 : 1;
    for (int i = 0; i < static_cast<int>(std::size(kKinds)); ++i) {
        if (kKinds[i].type == type && kKinds[i].subType == style.GetSubType())
            return i;
    }
    return -1;
}

QComboBox* Choices(std::initializer_list<const char*> names, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const char* name : names)
        box->addItem(QString::fromUtf8(name));
    return box;
}

QSpinBox* Number(int low, int high, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    return box;
}

}  // namespace

FavouriteShapesDialog::FavouriteShapesDialog(FavouriteShapesForm& form, const Palette& palette,
                                             QWidget* parent)
    : QDialog(parent), form_(form), palette_(palette) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildFileButtons());
    auto* middle = new QHBoxLayout;
    middle->addWidget(BuildList(), 1);
    middle->addWidget(BuildEditors(), 1);
    layout->addLayout(middle);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    FillList(form_.Count() > 0 ? 0 : -1);
}

QWidget* FavouriteShapesDialog::BuildFileButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, bool (FavouriteShapesForm::*)()> commands[] = {
        {"新規作成", &FavouriteShapesForm::NewFile},
        {"開く...", &FavouriteShapesForm::OpenFile},
        {"上書き保存", &FavouriteShapesForm::Save},
        {"名前を付けて保存...", &FavouriteShapesForm::SaveAs},
        {"既定のファイルにする", &FavouriteShapesForm::MakeDefault},
    };
    for (const auto& [label, command] : commands) {
        auto* button = new QPushButton(QString::fromUtf8(label), row);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, command = command] { RunFileCommand(command); });
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return row;
}

QWidget* FavouriteShapesDialog::BuildList() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    list_ = new QListWidget(box);
    list_->setIconSize(QSize(ShapeIcon::kWidth, ShapeIcon::kHeight));
    layout->addWidget(list_, 1);

    source_ = new QComboBox(box);
    source_->setIconSize(list_->iconSize());
    for (int i = 0; i < palette_.ShapeCount(); ++i) {
        source_->addItem(QIcon(ShapeIcon::OfShape(*palette_.ShapeLook(i))),
                         QString::fromStdString(palette_.ShapeName(i)));
    }
    source_->setCurrentIndex(palette_.CurrentShapeIndex());
    auto* add = new QPushButton(QStringLiteral("追加"), box);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(source_, 1);
    addRow->addWidget(add);
    layout->addLayout(addRow);

    auto* remove = new QPushButton(QStringLiteral("削除"), box);
    auto* up = new QPushButton(QStringLiteral("上へ"), box);
    auto* down = new QPushButton(QStringLiteral("下へ"), box);
    auto* editRow = new QHBoxLayout;
    for (QPushButton* button : {add, remove, up, down})
        button->setAutoDefault(false);
    editRow->addWidget(remove);
    editRow->addWidget(up);
    editRow->addWidget(down);
    layout->addLayout(editRow);

    connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowStyle(); });
    connect(add, &QPushButton::clicked, this,
            [this] { FillList(form_.AddFromPalette(source_->currentIndex())); });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (const int index = Current(); index >= 0 && form_.Remove(index))
            FillList(std::min(index, form_.Count() - 1));
    });
    connect(up, &QPushButton::clicked, this, [this] {
        if (Current() >= 0)
            FillList(form_.MoveUp(Current()));
    });
    connect(down, &QPushButton::clicked, this, [this] {
        if (Current() >= 0)
            FillList(form_.MoveDown(Current()));
    });
    return box;
}

QWidget* FavouriteShapesDialog::BuildEditors() {
    editors_ = new QWidget(this);
    auto* form = new QFormLayout(editors_);
    name_ = new QLineEdit(editors_);
    kind_ = new QComboBox(editors_);
    for (const Kind& kind : kKinds)
        kind_->addItem(QString::fromUtf8(kind.name));
    height_ = Number(1, 100, editors_);
    fill_ = new ColourButton(0xFFFFFF, editors_);
    text_ = new ColourButton(0, editors_);
    edge_ = new ColourButton(0, editors_);
    edgeStyle_ = Choices({"実線", "破線", "点線"}, editors_);
    edgeWidth_ = Number(1, 7, editors_);
    const auto ends = {"なし", "矢印", "三角", "開いた矢印", "丸"};
    startEdge_ = Choices(ends, editors_);
    endEdge_ = Choices(ends, editors_);
    captionPosition_ = Choices({"内側", "上", "右", "下", "左"}, editors_);
    captionHAlign_ = Choices({"左", "中央", "右"}, editors_);
    captionVAlign_ = Choices({"上", "中央", "下"}, editors_);
    preview_ = new QLabel(editors_);

    form->addRow(QStringLiteral("名前："), name_);
    form->addRow(QStringLiteral("形状："), kind_);
    form->addRow(QStringLiteral("高さ："), height_);
    form->addRow(QStringLiteral("背景色："), fill_);
    form->addRow(QStringLiteral("文字色："), text_);
    form->addRow(QStringLiteral("縁の色："), edge_);
    form->addRow(QStringLiteral("縁の線種："), edgeStyle_);
    form->addRow(QStringLiteral("縁の太さ："), edgeWidth_);
    form->addRow(QStringLiteral("始点："), startEdge_);
    form->addRow(QStringLiteral("終点："), endEdge_);
    form->addRow(QStringLiteral("文字位置："), captionPosition_);
    form->addRow(QStringLiteral("水平位置："), captionHAlign_);
    form->addRow(QStringLiteral("垂直位置："), captionVAlign_);
    form->addRow(QStringLiteral("プレビュー："), preview_);

    connect(name_, &QLineEdit::editingFinished, this, &FavouriteShapesDialog::Rename);
    for (QComboBox* box : {kind_, edgeStyle_, startEdge_, endEdge_, captionPosition_,
                           captionHAlign_, captionVAlign_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { ApplyEditors(); });
    for (QSpinBox* box : {height_, edgeWidth_})
        connect(box, &QSpinBox::valueChanged, this, [this] { ApplyEditors(); });
    // The buttons' own handler has asked for the colour by the time these run.
    for (ColourButton* button : {fill_, text_, edge_})
        connect(button, &QPushButton::clicked, this, [this] { ApplyEditors(); });
    return editors_;
}

void FavouriteShapesDialog::RunFileCommand(bool (FavouriteShapesForm::*command)()) {
    Rename();  // a name still being typed belongs to the file being left
    if ((form_.*command)())
        FillList(form_.Count() > 0 ? std::clamp(Current(), 0, form_.Count() - 1) : -1);
    else
        FillList(Current());
}

void FavouriteShapesDialog::FillList(int current) {
    loading_ = true;
    list_->clear();
    for (int i = 0; i < form_.Count(); ++i) {
        const CScheduleStyle& style = form_.Style(i);
        list_->addItem(new QListWidgetItem(QIcon(ShapeIcon::OfShape(style)),
                                           QString::fromStdString(style.GetKey())));
    }
    loading_ = false;
    list_->setCurrentRow(current < form_.Count() ? current : -1);
    QString title =
        QStringLiteral("よく使う形状エディタ - ") + QString::fromStdString(form_.FileName());
    if (form_.IsModified())
        title += QStringLiteral(" *");
    if (form_.IsDefaultFile())
        title += QStringLiteral("（既定）");
    setWindowTitle(title);
    ShowStyle();
}

void FavouriteShapesDialog::ShowStyle() {
    if (loading_)
        return;
    const int index = Current();
    editors_->setEnabled(index >= 0);
    if (index < 0) {
        preview_->clear();
        return;
    }
    const CScheduleStyle& style = form_.Style(index);
    loading_ = true;
    name_->setText(QString::fromStdString(style.GetKey()));
    kind_->setCurrentIndex(KindOf(style));
    height_->setValue(style.GetHeight());
    fill_->SetColour(style.GetBgColor());
    text_->SetColour(style.GetTextColor());
    edge_->SetColour(style.GetEdgePen().GetColour());
    edgeStyle_->setCurrentIndex(style.GetEdgePen().GetStyle());
    edgeWidth_->setValue(style.GetEdgePen().GetWidth());
    startEdge_->setCurrentIndex(style.GetStartEdgeType());
    endEdge_->setCurrentIndex(style.GetEndEdgeType());
    captionPosition_->setCurrentIndex(style.GetCaptionPosition());
    captionHAlign_->setCurrentIndex(style.GetCaptionHAlign());
    captionVAlign_->setCurrentIndex(style.GetCaptionVAlign());
    height_->setEnabled(style.GetScheduleType() == 0);
    preview_->setPixmap(ShapeIcon::OfShape(style));
    loading_ = false;
}

void FavouriteShapesDialog::Rename() {
    const int index = Current();
    if (index < 0 || loading_)
        return;
    const std::string name = name_->text().toStdString();
    if (name == form_.Style(index).GetKey())
        return;
    loading_ = true;  // the refusal's message box would end the editing again
    const bool renamed = form_.Rename(index, name);
    loading_ = false;
    if (renamed)
        FillList(index);
    else
        name_->setText(QString::fromStdString(form_.Style(index).GetKey()));
}

void FavouriteShapesDialog::ApplyEditors() {
    const int index = Current();
    if (index < 0 || loading_)
        return;
    form_.Update(index, *EditedValues());
    FillList(index);
}

std::unique_ptr<CScheduleStyle> FavouriteShapesDialog::EditedValues() const {
    auto edited = std::make_unique<CScheduleStyle>();
    CScheduleStyle& values = *edited;
    values.CopyFrom(form_.Style(Current()));
    const Kind& kind = kKinds[std::max(kind_->currentIndex(), 0)];
    values.SetScheduleType(kind.type);
    values.SetSubType(kind.subType);
    values.SetHeight(height_->value());
    values.SetBgColor(fill_->Colour());
    values.SetTextColor(text_->Colour());
    values.SetEdgePen(CPenInfo(edgeStyle_->currentIndex(), edgeWidth_->value(), edge_->Colour()));
    values.SetStartEdgeType(startEdge_->currentIndex());
    values.SetEndEdgeType(endEdge_->currentIndex());
    // A point marker has no inside; its caption goes below unless placed.
    const int position = captionPosition_->currentIndex();
    values.SetCaptionPosition(kind.type != 0 && position == 0 ? 3 : position);
    values.SetCaptionHAlign(captionHAlign_->currentIndex());
    values.SetCaptionVAlign(captionVAlign_->currentIndex());
    return edited;
}

int FavouriteShapesDialog::Current() const {
    const int row = list_->currentRow();
    return row >= 0 && row < form_.Count() ? row : -1;
}

void FavouriteShapesDialog::reject() {
    Rename();
    if (form_.Close())
        QDialog::reject();
}

}  // namespace qb
