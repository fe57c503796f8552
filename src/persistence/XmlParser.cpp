#include "XmlParser.h"

#include <xercesc/dom/DOM.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/framework/Wrapper4InputSource.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLUni.hpp>

#include "XmlMessages.h"

namespace qb {
namespace {

using namespace xercesc;

// Far more than any of our documents uses (they declare no entities at all),
// far less than a "billion laughs" document needs.
constexpr XMLSize_t kEntityExpansionLimit = 1000;

// Records whether the parser met an error it could not continue after.
class FatalErrorFlag final : public DOMErrorHandler {
public:
    bool handleError(const DOMError& error) override {
        if (error.getSeverity() != DOMError::DOM_SEVERITY_WARNING)
            failed_ = true;
        return false;  // stop at the first error
    }
    bool Failed() const { return failed_; }

private:
    bool failed_ = false;
};

struct ParserRelease {
    void operator()(DOMLSParser* parser) const { parser->release(); }
};

void Configure(DOMConfiguration& config, FatalErrorFlag& errors, SecurityManager& security) {
    config.setParameter(XMLUni::fgDOMErrorHandler, static_cast<DOMErrorHandler*>(&errors));
    config.setParameter(XMLUni::fgDOMValidate, false);
    config.setParameter(XMLUni::fgXercesSchema, false);
    config.setParameter(XMLUni::fgXercesLoadSchema, false);
    config.setParameter(XMLUni::fgXercesLoadExternalDTD, false);
    config.setParameter(XMLUni::fgXercesDisableDefaultEntityResolution, true);
    config.setParameter(XMLUni::fgXercesSecurityManager, &security);
    config.setParameter(XMLUni::fgXercesDoXInclude, false);
    // Our documents use plain names; a stray colon must not make one unreadable.
    config.setParameter(XMLUni::fgDOMNamespaces, false);
    // Entity references are replaced by their text, so attribute values read whole.
    config.setParameter(XMLUni::fgDOMEntities, false);
    config.setParameter(XMLUni::fgXercesUserAdoptsDOMDocument, true);
}

}  // namespace

XmlDocumentPtr XmlParser::Parse(std::string_view bytes) {
    try {
        DOMImplementation* implementation = DOMImplementationRegistry::getDOMImplementation(u"LS");
        if (!implementation)
            return nullptr;
        std::unique_ptr<DOMLSParser, ParserRelease> parser(
            implementation->createLSParser(DOMImplementationLS::MODE_SYNCHRONOUS, nullptr));
        FatalErrorFlag errors;
        SecurityManager security;
        security.setEntityExpansionLimit(kEntityExpansionLimit);
        Configure(*parser->getDomConfig(), errors, security);

        Wrapper4InputSource input(new MemBufInputSource(
            reinterpret_cast<const XMLByte*>(bytes.data()), bytes.size(), "readfile", false));
        XmlDocumentPtr document(parser->parse(&input));
        if (errors.Failed())
            return nullptr;
        return document;
    } catch (...) {
        // The library reports malformed input and lack of memory by throwing;
        // either way there is no document.
        return nullptr;
    }
}

const DOMElement* XmlParser::FindRoot(const DOMDocument& document, std::u16string_view rootName,
                                      ErrorSlot& error) {
    const DOMElement* root = document.getDocumentElement();
    if (!root) {
        error.Set(ErrorSlot::kXmlError, XmlMessages::kNoRoot);
        return nullptr;
    }
    if (std::u16string_view(root->getTagName()) != rootName) {
        error.Set(ErrorSlot::kXmlError, XmlMessages::kWrongRoot);
        return nullptr;
    }
    return root;
}

}  // namespace qb
