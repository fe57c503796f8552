#include "XmlStreamWriter.h"

#include <algorithm>
#include <array>
#include <utility>

namespace qb {
namespace {

constexpr std::string_view kDeclaration =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="no" ?>)";
constexpr std::string_view kNewLine = "\r\n";
constexpr std::size_t kIndentWidth = 2;

// Bytes that cannot be copied into an attribute value as they are.
constexpr std::array<bool, 256> SpecialBytes() {
    std::array<bool, 256> special{};
    for (int c = 0; c < 0x20; ++c)
        special[c] = true;
    for (int c = 0x80; c < 0x100; ++c)
        special[c] = true;
    special['"'] = special['&'] = special['<'] = true;
    return special;
}
constexpr std::array<bool, 256> kSpecial = SpecialBytes();

bool IsTail(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at text[i] that starts with
// a byte of 0x80 or more (the shortest form, no surrogates, nothing beyond
// U+10FFFF), or 0.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto at = [&](std::size_t k) {
        return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
    };
    const unsigned char lead = at(0);
    if (lead >= 0xC2 && lead <= 0xDF)
        return IsTail(at(1)) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return at(1) >= low && at(1) <= high && IsTail(at(2)) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return at(1) >= low && at(1) <= high && IsTail(at(2)) && IsTail(at(3)) ? 4 : 0;
    }
    return 0;
}

// U+FFFE and U+FFFF are not characters XML can carry.
bool IsNonCharacter(std::string_view text, std::size_t i) {
    return text.compare(i, 2, "\xEF\xBF") == 0 && (static_cast<unsigned char>(text[i + 2]) >= 0xBE);
}

// The reference for a byte below 0x80 that needs one, or empty when the
// byte cannot be written at all.
std::string_view ReferenceFor(char c) {
    switch (c) {
        case '"':
            return "&quot;";
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '\t':
            return "&#x9;";
        case '\n':
            return "&#xA;";
        case '\r':
            return "&#xD;";
        default:
            return {};
    }
}

// Appends the escaped form of value to out. False when the value holds
// bytes that are not UTF-8 or a character XML cannot carry before its first
// NUL; the part after a NUL is left out but must still be UTF-8.
bool AppendEscaped(std::string_view value, std::string& out) {
    bool ended = false;
    std::size_t i = 0;
    while (i < value.size()) {
        std::size_t run = i;
        while (run < value.size() && !kSpecial[static_cast<unsigned char>(value[run])])
            ++run;
        if (!ended)
            out.append(value.substr(i, run - i));
        i = run;
        if (i == value.size())
            break;
        const char c = value[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            const std::size_t length = SequenceLength(value, i);
            if (length == 0 || (!ended && IsNonCharacter(value, i)))
                return false;
            if (!ended)
                out.append(value.substr(i, length));
            i += length;
            continue;
        }
        if (c == '\0') {
            ended = true;
        } else if (!ended) {
            const std::string_view reference = ReferenceFor(c);
            if (reference.empty())
                return false;
            out.append(reference);
        }
        ++i;
    }
    return true;
}

}  // namespace

XmlStreamWriter::XmlStreamWriter(Sink sink) : sink_(std::move(sink)) {
    out_.reserve(kChunkSize + 4096);
    Put(kDeclaration);
}

void XmlStreamWriter::StartElement(std::string_view name) {
    if (Stopped())
        return;
    if (startTagOpen_)
        CloseStartTag(false);
    NewLine(depth_);
    Put("<");
    Put(name);
    if (open_.size() <= depth_)
        open_.emplace_back();
    open_[depth_].assign(name);
    ++depth_;
    rootWritten_ = true;
    startTagOpen_ = true;
}

void XmlStreamWriter::Attribute(std::string_view name, std::string_view value) {
    if (Stopped() || !startTagOpen_)
        return;
    PendingAttribute attribute{};
    attribute.name = pending_.size();
    attribute.nameSize = name.size();
    pending_.append(name);
    attribute.value = pending_.size();
    if (!AppendEscaped(value, pending_)) {
        textRefused_ = true;
        return;
    }
    attribute.valueSize = pending_.size() - attribute.value;
    attribute.order = attributes_.size();
    attributes_.push_back(attribute);
}

void XmlStreamWriter::EndElement() {
    if (Stopped() || depth_ == 0)
        return;
    --depth_;
    if (startTagOpen_) {
        CloseStartTag(true);
    } else {
        NewLine(depth_);
        Put("</");
        Put(open_[depth_]);
        Put(">");
    }
    if (out_.size() >= kChunkSize)
        Flush();
}

bool XmlStreamWriter::Finish() {
    if (Stopped())
        return false;
    if (depth_ != 0 || !rootWritten_)
        return false;
    Put(kNewLine);
    Flush();
    return !sinkFailed_;
}

void XmlStreamWriter::CloseStartTag(bool empty) {
    const auto nameOf = [&](const PendingAttribute& attribute) {
        return std::string_view(pending_).substr(attribute.name, attribute.nameSize);
    };
    std::sort(attributes_.begin(), attributes_.end(),
              [&](const PendingAttribute& a, const PendingAttribute& b) {
                  const int order = nameOf(a).compare(nameOf(b));
                  return order != 0 ? order < 0 : a.order < b.order;
              });
    for (std::size_t i = 0; i < attributes_.size(); ++i) {
        const PendingAttribute& attribute = attributes_[i];
        if (i + 1 < attributes_.size() && nameOf(attributes_[i + 1]) == nameOf(attribute))
            continue;
        Put(" ");
        Put(nameOf(attribute));
        Put("=\"");
        Put(std::string_view(pending_).substr(attribute.value, attribute.valueSize));
        Put("\"");
    }
    Put(empty ? "/>" : ">");
    pending_.clear();
    attributes_.clear();
    startTagOpen_ = false;
}

void XmlStreamWriter::NewLine(std::size_t depth) {
    Put(kNewLine);
    out_.append(depth * kIndentWidth, ' ');
}

void XmlStreamWriter::Flush() {
    if (out_.empty() || sinkFailed_)
        return;
    if (!sink_(out_))
        sinkFailed_ = true;
    out_.clear();
}

}  // namespace qb
