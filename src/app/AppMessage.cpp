#include "AppMessage.h"

namespace qb {

PromptMessage AppMessage::Format(std::string_view value) const {
    PromptMessage message = Plain();
    std::string& body = message.text;
    std::size_t at = body.find("%s");
    if (at == std::string::npos)
        at = body.find("%d");
    if (at != std::string::npos)
        body.replace(at, 2, value);
    return message;
}

PromptMessage AppMessage::Format(int value) const {
    return Format(std::to_string(value));
}

}  // namespace qb
