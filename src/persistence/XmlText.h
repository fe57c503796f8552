#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <xercesc/util/XercesDefs.hpp>

XERCES_CPP_NAMESPACE_BEGIN
class XMLTranscoder;
XERCES_CPP_NAMESPACE_END

namespace qb {

// Converts between the program's UTF-8 text and the XML library's 16-bit
// strings with the library's own UTF-8 transcoder (never the local code page,
// which would make documents depend on the user's locale). One instance keeps
// one transcoder, so a whole document is converted without setting one up
// for every value. The library must be initialised (XmlPlatform).
class XmlText {
public:
    XmlText();
    ~XmlText();
    XmlText(const XmlText&) = delete;
    XmlText& operator=(const XmlText&) = delete;

    // Throws the library's exception on bytes that are not UTF-8.
    std::u16string ToXml(std::string_view utf8) const;
    // Null gives empty text. Throws on unpaired surrogates.
    std::string ToUtf8(const XMLCh* text) const;

private:
    std::unique_ptr<xercesc::XMLTranscoder> transcoder_;
};

}  // namespace qb
