#include "HtmlExport.h"

#include "CStatus.h"

namespace qb {

bool HtmlExport::Write(CStatus& /*status*/, const std::string& /*path*/, std::uint32_t& error) {
    error = 0;
    return false;
}

}  // namespace qb
