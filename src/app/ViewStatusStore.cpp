#include "ViewStatusStore.h"

namespace qb {

ViewStatus ViewStatusStore::Load(const std::string& /*path*/) const {
    return {};
}
void ViewStatusStore::Save(const std::string& /*path*/, const ViewStatus& /*status*/) {}
int ViewStatusStore::Cleanup(const COleDateTime& /*now*/) {
    return 0;
}

}  // namespace qb
