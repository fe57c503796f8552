#include "EditSession.h"

namespace qb {

bool EditSession::BeginEdit() {
    return false;
}
void EditSession::EndEdit() {}
void EditSession::CancelEdit() {}
bool EditSession::Commit() {
    return false;
}
bool EditSession::BeginStep() {
    return false;
}
void EditSession::AbandonStep() {}
void EditSession::ReportAccessorError() {}
void EditSession::ConsistencySweep() {}
bool EditSession::SwitchFileMode() {
    return false;
}
void EditSession::RefreshFromFile() {}

}  // namespace qb
