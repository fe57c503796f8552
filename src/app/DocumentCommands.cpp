#include "DocumentCommands.h"

#include "CStatus.h"

namespace qb {

DocumentCommands::Answer DocumentCommands::AskSaveChanges() {
    return Answer::kProceed;
}
bool DocumentCommands::OpenDocument(const std::string& /*path*/) {
    return false;
}
void DocumentCommands::CloseDocument(bool /*keepViewStatus*/) {}
bool DocumentCommands::NewDocument() {
    return false;
}
bool DocumentCommands::SaveDocument() {
    return false;
}
bool DocumentCommands::SaveDocumentAs() {
    return false;
}

}  // namespace qb
