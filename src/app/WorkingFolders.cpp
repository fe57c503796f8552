#include "WorkingFolders.h"

namespace qb {

WorkingFolders::WorkingFolders(const AppEnvironment& environment) : environment_(environment) {}
const std::string& WorkingFolders::Base() {
    return base_;
}
const std::string& WorkingFolders::Backup() {
    return backup_;
}
const std::string& WorkingFolders::Recovery() {
    return recovery_;
}
bool WorkingFolders::CreateFoldersFor(const std::string& /*path*/) {
    return false;
}
void WorkingFolders::Compute() {}

}  // namespace qb
