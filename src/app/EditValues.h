#pragma once

#include <functional>
#include <string_view>

namespace qb {

class CData;
class EditStamp;

// Gives an existing object the values a dialog or a drag handed over.
class EditValues {
public:
    // Which of the values' extension values go in; the others the target
    // keeps as it has them.
    using ParamFilter = std::function<bool(std::string_view name)>;

    // Every typed value but identity and audit, and the extension values
    // takes allows (all when none). Stamps the target as changed; false,
    // with nothing stamped, when it held these values already.
    static bool Assign(CData& target, const CData& values, const EditStamp& stamp,
                       const ParamFilter& takes = {});
};

}  // namespace qb
