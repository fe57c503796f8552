#include "ObjectText.h"

#include <optional>
#include <stdexcept>
#include <vector>

#include "CDataFactory.h"
#include "CTypeRegistry.h"
#include "TextCodec.h"

namespace qb {
namespace {

std::vector<std::string_view> SplitTabs(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        std::size_t tab = text.find('\t', start);
        fields.push_back(text.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    return fields;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    throw std::invalid_argument("object text holds a character that is not a hex digit");
}

int ReadCount(std::string_view field) {
    if (field.empty() || field.size() > 9)
        throw std::invalid_argument("bad count in object text");
    int count = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            throw std::invalid_argument("bad count in object text");
        count = count * 10 + (c - '0');
    }
    return count;
}

std::string EncodeField(std::string_view utf8, bool& lost) {
    std::optional<std::string> bytes = TextCodec::Utf8ToCp932(utf8);
    if (!bytes) {
        lost = true;
        bytes = TextCodec::Utf8ToCp932Lossy(utf8);
    }
    return ObjectText::ToHex(*bytes);
}

std::string DecodeField(std::string_view hex) {
    return TextCodec::Cp932ToUtf8Lossy(ObjectText::FromHex(hex));
}

void AppendMap(std::string& out, const PropertyMap& map, bool& lost) {
    for (const auto& [name, value] : map) {
        out += '\t';
        out += EncodeField(name, lost);
        out += '\t';
        out += EncodeField(value, lost);
    }
}

}  // namespace

std::string ObjectText::ToHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        hex += kDigits[c >> 4];
        hex += kDigits[c & 0xF];
    }
    return hex;
}

std::string ObjectText::FromHex(std::string_view hex) {
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(HexDigit(hex[i]) * 16 + HexDigit(hex[i + 1]));
    }
    return bytes;
}

std::string ObjectText::Write(const CData& object, bool* lost) {
    const PropertyMap properties = object.CollectProperties();
    PropertyMap params;
    object.GetParams(params);

    bool anyLost = false;
    std::string out(CTypeRegistry::GetTagWord(object.GetType()));
    out += '\t' + std::to_string(properties.Size()) + '\t' + std::to_string(params.Size());
    AppendMap(out, properties, anyLost);
    AppendMap(out, params, anyLost);
    if (lost)
        *lost = anyLost;
    return out;
}

std::unique_ptr<CData> ObjectText::Read(std::string_view text) {
    const std::vector<std::string_view> fields = SplitTabs(text);
    if (fields.size() < 3)
        throw std::invalid_argument("object text has too few fields");
    const int propertyCount = ReadCount(fields[1]);
    const int paramCount = ReadCount(fields[2]);
    const std::size_t needed = 3 + 2 * (static_cast<std::size_t>(propertyCount) + paramCount);
    if (fields.size() < needed)
        throw std::invalid_argument("object text has too few fields");

    std::unique_ptr<CData> object = CDataFactory::Create(fields[0]);
    if (!object)
        return nullptr;

    PropertyMap properties;
    PropertyMap params;
    std::size_t next = 3;
    for (int i = 0; i < propertyCount; ++i, next += 2) {
        properties.Set(DecodeField(fields[next]), DecodeField(fields[next + 1]));
    }
    for (int i = 0; i < paramCount; ++i, next += 2) {
        params.Set(DecodeField(fields[next]), DecodeField(fields[next + 1]));
    }
    object->SetParams(params);
    object->SetProperties(properties);
    return object;
}

}  // namespace qb
