#pragma once

#include <string>

#include "CsvOptions.h"

namespace qb {

// "エクスポート": the file to write, its kind and the CSV options.
struct ExportValues {
    enum Kind { kCsv = 0, kXml = 1, kHtml = 2 };

    std::string path;
    int kind = kCsv;
    CsvOptions csv;

    bool operator==(const ExportValues&) const = default;
};

}  // namespace qb
