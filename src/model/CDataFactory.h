#pragma once

#include <memory>
#include <string_view>

#include "CData.h"

namespace qb {

// Creates data objects with default values from their tag word or type number.
// The abstract holiday rule and unknown words give no object.
class CDataFactory {
public:
    static std::unique_ptr<CData> Create(std::string_view tagWord);
    static std::unique_ptr<CData> CreateByType(int type);
};

}  // namespace qb
