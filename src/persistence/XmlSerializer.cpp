#include "XmlSerializer.h"

#include <xercesc/dom/DOM.hpp>
#include <xercesc/framework/MemBufFormatTarget.hpp>
#include <xercesc/util/XMLUni.hpp>

#include <memory>
#include <new>

namespace qb {
namespace {

using namespace xercesc;

// The memory target starts with room for 1023 bytes and grows as needed.
constexpr XMLSize_t kInitialCapacity = 1023;

struct SerializerRelease {
    void operator()(DOMLSSerializer* serializer) const { serializer->release(); }
};

struct OutputRelease {
    void operator()(DOMLSOutput* output) const { output->release(); }
};

// Refuses to write on any error: a half-written document is worse than none.
class ErrorFlag final : public DOMErrorHandler {
public:
    bool handleError(const DOMError&) override {
        failed_ = true;
        return false;
    }
    bool Failed() const { return failed_; }

private:
    bool failed_ = false;
};

DOMImplementation& Implementation() {
    DOMImplementation* implementation = DOMImplementationRegistry::getDOMImplementation(u"Core");
    if (!implementation)
        throw std::bad_alloc();
    return *implementation;
}

void SetIfSupported(DOMConfiguration& config, const XMLCh* name, bool value) {
    if (config.canSetParameter(name, value))
        config.setParameter(name, value);
}

void Configure(DOMLSSerializer& serializer, ErrorFlag& errors) {
    DOMConfiguration& config = *serializer.getDomConfig();
    config.setParameter(XMLUni::fgDOMErrorHandler, static_cast<DOMErrorHandler*>(&errors));
    SetIfSupported(config, XMLUni::fgDOMWRTSplitCdataSections, true);
    SetIfSupported(config, XMLUni::fgDOMWRTDiscardDefaultContent, true);
    SetIfSupported(config, XMLUni::fgDOMWRTFormatPrettyPrint, true);
    // The library's own pretty printing puts a blank line between elements;
    // the standard one indents without them.
    SetIfSupported(config, XMLUni::fgDOMWRTXercesPrettyPrint, false);
    serializer.setNewLine(u"\r\n");
}

}  // namespace

XmlDocumentPtr XmlSerializer::NewDocument() {
    return XmlDocumentPtr(Implementation().createDocument());
}

bool XmlSerializer::Serialize(const DOMDocument& document, std::string& out) {
    out.clear();
    try {
        DOMImplementation& implementation = Implementation();
        std::unique_ptr<DOMLSSerializer, SerializerRelease> serializer(
            implementation.createLSSerializer());
        ErrorFlag errors;
        Configure(*serializer, errors);
        MemBufFormatTarget target(kInitialCapacity);
        std::unique_ptr<DOMLSOutput, OutputRelease> output(implementation.createLSOutput());
        output->setByteStream(&target);
        output->setEncoding(u"UTF-8");
        if (!serializer->write(&document, output.get()) || errors.Failed())
            return false;
        out.assign(reinterpret_cast<const char*>(target.getRawBuffer()), target.getLen());
        return true;
    } catch (...) {
        // The serializer throws on characters it cannot write and on lack of memory.
        out.clear();
        return false;
    }
}

}  // namespace qb
