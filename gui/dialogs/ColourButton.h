#pragma once

#include <QPushButton>
#include <cstdint>

namespace qb {

class CColorRuleArray;

// A button that shows a colour and lets the user pick another. Colours are
// 0x00BBGGRR, as the settings hold them.
class ColourButton : public QPushButton {
    Q_OBJECT

public:
    explicit ColourButton(std::uint32_t colour, QWidget* parent = nullptr);

    std::uint32_t Colour() const { return colour_; }
    void SetColour(std::uint32_t colour);

    // Offers the colour rules first when the user opens the button, while
    // the set is not empty; null (the default) shows the colour grid only.
    void OfferRules(const CColorRuleArray* rules) { rules_ = rules; }

    static QColor ToQColor(std::uint32_t colour);
    static std::uint32_t FromQColor(const QColor& colour);

private:
    void Choose();
    void ChooseFromGrid();
    // True when the rule list was shown (whether or not a rule was taken).
    bool ChooseFromRules();

    std::uint32_t colour_;
    const CColorRuleArray* rules_ = nullptr;
};

}  // namespace qb
