#pragma once

#include <string>

namespace qb::test {

// Where this checkout's files and this build's programs are. The folders are
// set when the build is configured, in one small source of their own, so that
// no other test object depends on where the checkout sits and a compiler
// cache serves them to every clone.
std::string SourcePath(const std::string& relative);  // from the checkout's top folder
std::string BuildPath(const std::string& relative);   // from the build folder

}  // namespace qb::test
