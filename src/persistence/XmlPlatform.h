#pragma once

namespace qb {

// Keeps the XML library initialised while at least one instance lives. The
// library must be initialised before any document is built and must outlive
// every document, so file objects hold one, and long-running callers (the
// application, the command line, test fixtures, fuzzers) hold one for their
// whole run so the library is not set up again for each file.
class XmlPlatform {
public:
    // Throws when the library cannot be initialised (out of memory or a broken
    // installation); nothing useful can happen with XML then.
    XmlPlatform();
    ~XmlPlatform();
    XmlPlatform(const XmlPlatform&) = delete;
    XmlPlatform& operator=(const XmlPlatform&) = delete;
};

}  // namespace qb
