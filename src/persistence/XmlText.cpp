#include "XmlText.h"

#include <xercesc/util/TransService.hpp>
#include <xercesc/util/XMLString.hpp>

#include <stdexcept>
#include <type_traits>

namespace qb {

static_assert(std::is_same_v<XMLCh, char16_t>, "the library must use 16-bit char16_t strings");

XmlText::XmlText() {
    xercesc::XMLTransService::Codes result = xercesc::XMLTransService::Ok;
    // The block size only sizes the transcoder's internal buffers.
    transcoder_.reset(xercesc::XMLPlatformUtils::fgTransService->makeNewTranscoderFor(
        xercesc::XMLRecognizer::UTF_8, result, 16 * 1024));
    if (!transcoder_ || result != xercesc::XMLTransService::Ok)
        throw std::runtime_error("no UTF-8 transcoder in the XML library");
}

XmlText::~XmlText() = default;

std::u16string XmlText::ToXml(std::string_view utf8) const {
    if (utf8.empty())
        return {};
    xercesc::TranscodeFromStr wide(reinterpret_cast<const XMLByte*>(utf8.data()), utf8.size(),
                                   transcoder_.get());
    return std::u16string(wide.str(), wide.length());
}

std::string XmlText::ToUtf8(const XMLCh* text) const {
    if (!text || !*text)
        return {};
    xercesc::TranscodeToStr narrow(text, xercesc::XMLString::stringLen(text), transcoder_.get());
    return std::string(reinterpret_cast<const char*>(narrow.str()), narrow.length());
}

}  // namespace qb
