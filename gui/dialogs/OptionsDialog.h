#pragma once

#include <QDialog>
#include <vector>

#include "OptionValues.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTimeEdit;
class QTabWidget;
class QWidget;

namespace qb {

class ColourButton;
class IPrompt;

// "オプション": the user settings on five tabs. OK keeps the dialog open
// with a message while a value is refused.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCalendarTab = 3;
    static constexpr int kHtmlTab = 4;

    OptionsDialog(const OptionValues& values, IPrompt& prompt, QWidget* parent = nullptr);

    OptionValues Values() const;
    QTabWidget* Tabs() const { return tabs_; }
    QCheckBox* CustomizedBox() const { return customized_; }
    QLineEdit* EraStartEdit() const { return eraStart_; }
    QPlainTextEdit* HtmlCssEdit() const { return htmlCss_; }
    // "標準に戻す" of the style sheet page.
    void RestoreHtmlCss();

    void accept() override;

private:
    // A check box and the value it shows.
    struct Check {
        QCheckBox* box;
        bool OptionValues::*value;
    };
    struct Colour {
        ColourButton* button;
        std::uint32_t OptionValues::*value;
    };

    QWidget* BuildGeneralTab(const OptionValues& values);
    QWidget* BuildDisplayTab(const OptionValues& values);
    QWidget* BuildColourTab(const OptionValues& values);
    QWidget* BuildCalendarTab(const OptionValues& values);
    QWidget* BuildHtmlTab(const OptionValues& values);
    QWidget* BuildGroupTab(const OptionValues& values);
    void SetHtmlCssText(const std::string& text);
    QCheckBox* AddCheck(const char* label, bool OptionValues::*value, const OptionValues& values,
                        QWidget* parent);
    void BrowseDefaultFile();
    void BrowseHolidayFile();

    IPrompt& prompt_;
    OptionValues shown_;
    QTabWidget* tabs_ = nullptr;
    std::vector<Check> checks_;
    std::vector<Colour> colours_;
    QLineEdit* userName_ = nullptr;
    QLineEdit* defFile_ = nullptr;
    QSpinBox* rowHeight_ = nullptr;
    QSpinBox* progressRate_ = nullptr;
    QCheckBox* customized_ = nullptr;
    QComboBox* totalMode_ = nullptr;
    QSpinBox* todayOffset_ = nullptr;
    QComboBox* guiFont_ = nullptr;
    QLineEdit* eraName_ = nullptr;
    QLineEdit* eraAbbreviation_ = nullptr;
    QLineEdit* eraStart_ = nullptr;
    QLineEdit* masterHoliday_ = nullptr;
    QPlainTextEdit* htmlCss_ = nullptr;
    // The style sheet shown is the built-in one, not edited since.
    bool htmlCssDefault_ = false;
    bool settingHtmlCss_ = false;
    QTimeEdit* groupStart_ = nullptr;
    QTimeEdit* groupEnd_ = nullptr;
    QComboBox* groupHow_ = nullptr;
};

}  // namespace qb
