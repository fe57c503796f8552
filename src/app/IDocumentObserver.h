#pragma once

namespace qb {

// Told by the document what changed, after it changed.
class IDocumentObserver {
public:
    virtual ~IDocumentObserver() = default;

    // Another project, or none, is the document now.
    virtual void DocumentReplaced() = 0;
    // The same project's content changed: an edit, a reload from the file.
    virtual void ContentChanged() = 0;
    // The path or the modified, read-only, project-set or foreign-data flag.
    virtual void FlagsChanged() = 0;
};

}  // namespace qb
