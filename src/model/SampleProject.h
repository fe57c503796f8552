#pragma once

#include <memory>

#include "CProject.h"

namespace qb {

// The bundled sample document: a small office-building plan with nested
// rows, bars, lines and milestones, progress and actual dates, quantities,
// links, memos, two free columns and the project's own holiday rules.
class SampleProject {
public:
    static std::unique_ptr<CProject> Create();
};

}  // namespace qb
