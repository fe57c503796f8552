#include "ErrorSlot.h"

#include "SystemError.h"

namespace qb {

std::string ErrorSlot::Describe() const {
    if (!message_.empty())
        return message_;
    if (code_ == SystemError::kSharingViolation)
        return kLockedMessage;
    return SystemError::DescribeCode(code_) + "\nLinux Error Code=" + std::to_string(code_);
}

}  // namespace qb
