#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// Writes an XML document element by element, in the very bytes the XML
// library's pretty printer gives the same document: the declaration
// `<?xml version="1.0" encoding="UTF-8" standalone="no" ?>`, every element
// on a line of its own indented by two spaces a level, CR LF line ends, an
// element without children closed as `<name .../>`, the attributes of an
// element sorted by name, and in attribute values `&`, `<`, `"`, tab, CR and
// LF written as references. Nothing of a document is held but the element
// being opened, so a document of any size takes the same memory.
//
// Names are written as given: callers pass names XML 1.0 accepts. None of
// their characters lies beyond U+FFFF, so their bytes sort them in the
// library's order of 16-bit units. Values are
// UTF-8; a value the library would refuse (bytes that are not UTF-8, a
// control character or U+FFFE/U+FFFF, which XML 1.0 cannot carry) fails
// the document. Like the library, a value ends at its first NUL.
class XmlStreamWriter {
public:
    // Receives the document in pieces, in order; returning false stops the
    // writing (the sink keeps its own reason).
    using Sink = std::function<bool(std::string_view)>;
    // The pieces reach the sink once about this many bytes are waiting.
    static constexpr std::size_t kChunkSize = 256 * 1024;

    explicit XmlStreamWriter(Sink sink);

    // Opens a child of the current element (or the root).
    void StartElement(std::string_view name);
    // An attribute of the element just opened, before its first child. A
    // second value under the same name replaces the first.
    void Attribute(std::string_view name, std::string_view value);
    // Closes the innermost open element.
    void EndElement();
    // Ends the document after its root and hands the rest to the sink. False
    // when a value was refused, the sink stopped, or elements are still
    // open; then the document is not whole.
    bool Finish();

    // A value was refused; everything after it was ignored.
    bool TextRefused() const { return textRefused_; }
    // The sink stopped the writing.
    bool SinkFailed() const { return sinkFailed_; }

private:
    struct PendingAttribute {
        std::size_t name;  // offsets into pending_
        std::size_t nameSize;
        std::size_t value;
        std::size_t valueSize;
        std::size_t order;  // for equal names, the later one wins
    };

    bool Stopped() const { return textRefused_ || sinkFailed_; }
    void CloseStartTag(bool empty);
    void NewLine(std::size_t depth);
    void Flush();
    void Put(std::string_view bytes) { out_.append(bytes); }

    Sink sink_;
    std::string out_;
    // The start tag being built: its attribute names and escaped values.
    std::string pending_;
    std::vector<PendingAttribute> attributes_;
    bool startTagOpen_ = false;
    // Names of the open elements, outermost first; entries past depth_ are
    // kept so that their storage is reused.
    std::vector<std::string> open_;
    std::size_t depth_ = 0;
    bool rootWritten_ = false;
    bool textRefused_ = false;
    bool sinkFailed_ = false;
};

}  // namespace qb
