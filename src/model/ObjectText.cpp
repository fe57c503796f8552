#include "ObjectText.h"

#include <optional>
#include <stdexcept>
#include <vector>

#include "CDataFactory.h"
#include "CTypeRegistry.h"
#include "PropertyVisitor.h"
#include "TextCodec.h"
#include "ValueText.h"

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

void AppendHex(std::string& out, std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const std::size_t at = out.size();
    out.resize(at + bytes.size() * 2);
    char* to = out.data() + at;
    for (unsigned char c : bytes) {
        *to++ = kDigits[c >> 4];
        *to++ = kDigits[c & 0xF];
    }
}

bool IsAscii(std::string_view text) {
    for (unsigned char c : text) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

// ASCII is the same in CP932, which spares most fields the conversion.
void AppendField(std::string& out, std::string_view utf8, bool& lost) {
    out += '\t';
    if (IsAscii(utf8)) {
        AppendHex(out, utf8);
        return;
    }
    std::optional<std::string> bytes = TextCodec::Utf8ToCp932(utf8);
    if (!bytes) {
        lost = true;
        bytes = TextCodec::Utf8ToCp932Lossy(utf8);
    }
    AppendHex(out, *bytes);
}

std::string DecodeField(std::string_view hex) {
    std::string bytes = ObjectText::FromHex(hex);
    return IsAscii(bytes) ? bytes : TextCodec::Cp932ToUtf8Lossy(bytes);
}

// A name is kept in the form it will be written in. Bytes that are no CP932
// decode to a character CP932 cannot hold, which is written as '?': two
// names that differ only there would become one name only when written, and
// the written objects would read back with a property fewer.
std::string DecodeName(std::string_view hex) {
    std::string name = DecodeField(hex);
    if (IsAscii(name) || TextCodec::Utf8ToCp932(name))
        return name;
    return TextCodec::Cp932ToUtf8Lossy(TextCodec::Utf8ToCp932Lossy(name));
}

void AppendMap(std::string& out, const PropertyMap& map, bool& lost) {
    for (const auto& [name, value] : map) {
        AppendField(out, name, lost);
        AppendField(out, value, lost);
    }
}

// Writes the typed fields straight into the text, in property order, as
// collecting them into a map would give them when the object holds no other
// properties; spares a map of small strings per object.
class FieldWriter final : public PropertyVisitor {
public:
    explicit FieldWriter(std::string& out) : out_(out) {}

    void Text(const char* name, std::string& value) override { Add(name, value); }
    void Text(const char* name, CompactText& value) override { Add(name, value.Str()); }
    void Integer(const char* name, std::int32_t& value) override {
        Add(name, ValueText::FromInt(value));
    }
    void Alignment(const char* name, std::int8_t& value) override {
        Add(name, ValueText::FromInt(value));
    }
    void Boolean(const char* name, bool& value) override { Add(name, ValueText::FromBool(value)); }
    void Colour(const char* name, ColorRef& value) override {
        Add(name, ValueText::FromColour(value));
    }
    void Date(const char* name, COleDateTime& value) override {
        Add(name, ValueText::FromDate(value));
    }
    void Font(const char* name, CFontInfo& value) override {
        Add(name, ValueText::FromFont(value));
    }
    void Pen(const char* name, CPenInfo& value) override { Add(name, ValueText::FromPen(value)); }

    std::size_t Count() const { return count_; }
    bool Lost() const { return lost_; }

private:
    void Add(std::string_view name, std::string_view value) {
        AppendField(out_, name, lost_);
        AppendField(out_, value, lost_);
        ++count_;
    }

    std::string& out_;
    std::size_t count_ = 0;
    bool lost_ = false;
};

// Appends the properties as tab-separated hex pairs; the result is how many.
std::size_t AppendProperties(std::string& out, const CData& object, bool& lost) {
    const PropertyMap* own = object.PropertyMapOrNull();
    if (own != nullptr && !own->Empty()) {
        const PropertyMap properties = object.CollectProperties();
        AppendMap(out, properties, lost);
        return properties.Size();
    }
    FieldWriter writer(out);
    // Writing only reads the fields; the visitor interface is shared with loading.
    const_cast<CData&>(object).VisitProperties(writer);
    lost = lost || writer.Lost();
    return writer.Count();
}

}  // namespace

std::string ObjectText::ToHex(std::string_view bytes) {
    std::string hex;
    AppendHex(hex, bytes);
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
    std::string out;
    WriteTo(out, object, lost);
    return out;
}

void ObjectText::WriteTo(std::string& out, const CData& object, bool* lost) {
    bool anyLost = false;
    out.assign(CTypeRegistry::GetTagWord(object.GetType()));
    const std::size_t countsAt = out.size();
    const std::size_t propertyCount = AppendProperties(out, object, anyLost);
    PropertyMap params;
    object.GetParams(params);
    AppendMap(out, params, anyLost);
    // The counts go before the fields, once they are known.
    out.insert(countsAt,
               '\t' + std::to_string(propertyCount) + '\t' + std::to_string(params.Size()));
    if (lost)
        *lost = anyLost;
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
        properties.Set(DecodeName(fields[next]), DecodeField(fields[next + 1]));
    }
    for (int i = 0; i < paramCount; ++i, next += 2) {
        params.Set(DecodeName(fields[next]), DecodeField(fields[next + 1]));
    }
    object->SetParams(params);
    object->SetProperties(properties);
    return object;
}

}  // namespace qb
