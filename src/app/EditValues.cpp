#include "EditValues.h"

#include <string>

#include "CData.h"
#include "EditStamp.h"
#include "PropertyMap.h"

namespace qb {
namespace {

// The values an edit never takes from the caller.
struct Bookkeeping {
    explicit Bookkeeping(const CData& object)
        : id(object.GetObjectId()),
          registrant(object.GetRegistrant()),
          modifier(object.GetModifier()),
          lastModified(object.GetLastModified()),
          deleted(object.IsDeleted()),
          notify(object.IsNotifyEnabled()) {}

    void RestoreTo(CData& object) const {
        object.SetObjectId(id);
        object.SetRegistrant(registrant);
        object.SetModifier(modifier);
        object.SetLastModified(lastModified);
        object.SetDeleted(deleted);
        object.SetNotifyEnabled(notify);
    }

    std::int32_t id;
    std::string registrant;
    std::string modifier;
    COleDateTime lastModified;
    bool deleted;
    bool notify;
};

PropertyMap ParamsOf(const CData& object) {
    PropertyMap params;
    object.GetParams(params);
    return params;
}

}  // namespace

bool EditValues::Assign(CData& target, const CData& values, const EditStamp& stamp,
                        const ParamFilter& takes) {
    const Bookkeeping kept(target);
    const PropertyMap properties = target.CollectProperties();
    const PropertyMap params = ParamsOf(target);
    target.CopyFrom(values);
    kept.RestoreTo(target);
    for (const auto& [name, value] : ParamsOf(values)) {
        if (!takes || takes(name))
            target.SetParam(name, value);
    }
    if (properties == target.CollectProperties() && params == ParamsOf(target))
        return false;
    stamp.Changed(target);
    return true;
}

}  // namespace qb
