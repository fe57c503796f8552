#pragma once

#include <QDialog>
#include <memory>

#include "CLink.h"
#include "DialogPreview.h"
#include "IDialogs.h"
#include "LinkForm.h"

namespace qb {

class ChoiceBox;
class IPrompt;
class PenEditor;

// "リンクのプロパティ": the line's pen, the shape of either end and where
// on its object each end is attached. The chart shows the values while the
// dialog is open.
class LinkDialog : public QDialog {
    Q_OBJECT

public:
    LinkDialog(const CLink& values, IPrompt& prompt, IDialogs::ObjectPreview preview,
               QWidget* parent = nullptr);
    ~LinkDialog() override;

    LinkForm Form() const;
    std::unique_ptr<CLink> Values() const;
    PenEditor* LinePen() const { return pen_; }
    ChoiceBox* ToEndBox() const { return toEnd_; }

    void accept() override;
    void done(int result) override;

private:
    ChoiceBox* Choices(std::initializer_list<const char*> names, int value);
    void Changed();

    std::unique_ptr<CLink> original_;
    IPrompt& prompt_;
    DialogPreview preview_;
    bool built_ = false;
    PenEditor* pen_ = nullptr;
    ChoiceBox* fromEnd_ = nullptr;
    ChoiceBox* toEnd_ = nullptr;
    ChoiceBox* fromHorz_ = nullptr;
    ChoiceBox* fromVert_ = nullptr;
    ChoiceBox* toHorz_ = nullptr;
    ChoiceBox* toVert_ = nullptr;
};

}  // namespace qb
