#include "XmlPlatform.h"

#include <xercesc/util/PlatformUtils.hpp>

#include <mutex>

namespace qb {
namespace {

std::mutex& CountLock() {
    static std::mutex lock;
    return lock;
}

int gUsers = 0;

}  // namespace

XmlPlatform::XmlPlatform() {
    std::lock_guard<std::mutex> guard(CountLock());
    if (gUsers == 0)
        xercesc::XMLPlatformUtils::Initialize();
    ++gUsers;
}

XmlPlatform::~XmlPlatform() {
    std::lock_guard<std::mutex> guard(CountLock());
    if (--gUsers == 0)
        xercesc::XMLPlatformUtils::Terminate();
}

}  // namespace qb
