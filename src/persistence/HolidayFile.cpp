#include "HolidayFile.h"

#include <xercesc/dom/DOM.hpp>

#include "CTypeRegistry.h"
#include "XmlFile.h"
#include "XmlMessages.h"
#include "XmlParser.h"
#include "XmlSerializer.h"

namespace qb {
namespace {

using namespace xercesc;

bool IsRuleType(int type) {
    return type >= CData::kYmdHoliday && type <= CData::kWeeklyHoliday;
}

}  // namespace

std::unique_ptr<CHolidayArray> HolidayFile::ReadHolidayFile(const std::string& path) {
    std::string bytes;
    if (!XmlFile::Read(path, bytes, error_, XmlMessages::kNotWellFormed))
        return nullptr;
    return ParseHolidays(bytes);
}

std::unique_ptr<CHolidayArray> HolidayFile::ParseHolidays(std::string_view bytes) {
    return XmlParser::ParseRoot<std::unique_ptr<CHolidayArray>>(
        bytes, u"holidayarray", error_, XmlMessages::kNotWellFormed,
        [this](const DOMElement& root) { return Interpret(root); });
}

std::unique_ptr<CHolidayArray> HolidayFile::Interpret(const DOMElement& root) const {
    auto holidays = std::make_unique<CHolidayArray>();
    mapping_.ElementToObject(root, *holidays);
    for (const DOMElement* child = root.getFirstElementChild(); child;
         child = child->getNextElementSibling()) {
        const std::string tag = mapping_.Text().ToUtf8(child->getTagName());
        if (!IsRuleType(CTypeRegistry::GetTypeOf(tag)))
            continue;
        std::unique_ptr<CData> rule = XmlObjectMapping::CreateObjectFromTag(tag);
        mapping_.ElementToObject(*child, *rule);
        holidays->Add(std::move(rule));
    }
    return holidays;
}

bool HolidayFile::WriteHolidayFile(const std::string& path, const CHolidayArray& holidays) {
    std::string bytes;
    if (!FormatHolidays(holidays, bytes))
        return false;
    return XmlFile::Write(path, bytes, error_);
}

bool HolidayFile::FormatHolidays(const CHolidayArray& holidays, std::string& bytes) {
    return XmlSerializer::Format(bytes, error_, [&](DOMDocument& document) {
        DOMElement* root = mapping_.ObjectToElement(holidays, document);
        document.appendChild(root);
        holidays.ForEach([&](const CHoliday& rule) {
            if (!rule.IsDeleted())
                root->appendChild(mapping_.ObjectToElement(rule, document));
        });
    });
}

}  // namespace qb
