#pragma once

#include <QPushButton>
#include <cstdint>

namespace qb {

// A button that shows a colour and lets the user pick another. Colours are
// 0x00BBGGRR, as the settings hold them.
class ColourButton : public QPushButton {
    Q_OBJECT

public:
    explicit ColourButton(std::uint32_t colour, QWidget* parent = nullptr);

    std::uint32_t Colour() const { return colour_; }
    void SetColour(std::uint32_t colour);

    static QColor ToQColor(std::uint32_t colour);
    static std::uint32_t FromQColor(const QColor& colour);

private:
    void Choose();

    std::uint32_t colour_;
};

}  // namespace qb
