#pragma once

#include <string>
#include <string_view>

#include "IPrompt.h"

namespace qb {

// One entry of the program's message table: number, text, icon and buttons.
// Texts with "%s" or "%d" are filled by Format before they are shown.
struct AppMessage {
    int id;
    const char* text;
    PromptIcon icon;
    PromptButtons buttons;

    PromptMessage Plain() const { return {id, text, icon, buttons}; }
    // Replaces the first "%s" or "%d" by value.
    PromptMessage Format(std::string_view value) const;
    PromptMessage Format(int value) const;
};

}  // namespace qb
