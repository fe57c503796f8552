#pragma once

namespace qb {

class AppSettings;
class CProject;

// What a project made by this program starts with: single mode, the user's
// row-hierarchy choice and row height, this program's data version.
class NewProjectDefaults {
public:
    // The indent width, in pixels per level, of the indented row hierarchy.
    static constexpr int kIndentWidth = 16;

    static void Apply(CProject& project, const AppSettings& settings);
};

}  // namespace qb
