#include "CFileAccessor.h"

namespace qb {

CFileAccessor::~CFileAccessor() = default;

}  // namespace qb
