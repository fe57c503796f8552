#pragma once

#include <cstdint>
#include <string>

#include "CFontInfo.h"
#include "COleDateTime.h"
#include "CPenInfo.h"
#include "ColorRef.h"
#include "CompactText.h"

namespace qb {

// Walks the typed fields of a data object in property order. Storing into the
// property map, loading from it and listing names all use one description of
// each class's properties.
class PropertyVisitor {
public:
    virtual ~PropertyVisitor() = default;

    virtual void Text(const char* name, std::string& value) = 0;
    virtual void Text(const char* name, CompactText& value) = 0;
    virtual void Integer(const char* name, std::int32_t& value) = 0;
    // An integer that only takes 0, 1 or 2 (alignments), kept in one byte.
    virtual void Alignment(const char* name, std::int8_t& value) = 0;
    virtual void Boolean(const char* name, bool& value) = 0;
    virtual void Colour(const char* name, ColorRef& value) = 0;
    virtual void Date(const char* name, COleDateTime& value) = 0;
    virtual void Font(const char* name, CFontInfo& value) = 0;
    virtual void Pen(const char* name, CPenInfo& value) = 0;
};

}  // namespace qb
