#include "CData.h"

#include <atomic>
#include <utility>

namespace qb {
namespace {

// Writes each visited field into a map as text.
class StoreVisitor final : public PropertyVisitor {
public:
    explicit StoreVisitor(PropertyMap& map) : map_(map) {}
    void Text(const char* name, std::string& value) override { map_.Set(name, value); }
    void Text(const char* name, CompactText& value) override { map_.Set(name, value.Str()); }
    void Integer(const char* name, std::int32_t& value) override {
        map_.Set(name, ValueText::FromInt(value));
    }
    void Alignment(const char* name, std::int32_t& value) override { Integer(name, value); }
    void Boolean(const char* name, bool& value) override {
        map_.Set(name, ValueText::FromBool(value));
    }
    void Colour(const char* name, ColorRef& value) override {
        map_.Set(name, ValueText::FromColour(value));
    }
    void Date(const char* name, COleDateTime& value) override {
        map_.Set(name, ValueText::FromDate(value));
    }
    void Font(const char* name, CFontInfo& value) override {
        map_.Set(name, ValueText::FromFont(value));
    }
    void Pen(const char* name, CPenInfo& value) override {
        map_.Set(name, ValueText::FromPen(value));
    }

private:
    PropertyMap& map_;
};

// Sets each visited field from a map, with the setter rule: an effective
// change notifies the object's listeners. Missing names load the defaults.
class LoadVisitor final : public PropertyVisitor {
public:
    LoadVisitor(const PropertyMap* map, CData& owner) : map_(map), owner_(owner) {}
    void Text(const char* name, std::string& value) override { Apply(value, Raw(name)); }
    void Text(const char* name, CompactText& value) override {
        Apply(value, CompactText(Raw(name)));
    }
    void Integer(const char* name, std::int32_t& value) override {
        Apply(value, ValueText::ToInt(Raw(name), 0));
    }
    void Alignment(const char* name, std::int32_t& value) override {
        Apply(value, ValueText::NormaliseAlignment(ValueText::ToInt(Raw(name), 0)));
    }
    void Boolean(const char* name, bool& value) override {
        Apply(value, ValueText::ToBool(Raw(name), false));
    }
    void Colour(const char* name, ColorRef& value) override {
        Apply(value, ValueText::ToColour(Raw(name), 0));
    }
    void Date(const char* name, COleDateTime& value) override {
        Apply(value, ValueText::ToDate(Raw(name), COleDateTime::Null()));
    }
    void Font(const char* name, CFontInfo& value) override {
        Apply(value, ValueText::ToFont(Raw(name), CFontInfo()));
    }
    void Pen(const char* name, CPenInfo& value) override {
        Apply(value, ValueText::ToPen(Raw(name), CPenInfo()));
    }

private:
    std::string Raw(const char* name) const { return map_ ? map_->Get(name) : std::string(); }

    template <class T>
    void Apply(T& field, T value) {
        if (ValueText::Same(field, value))
            return;
        field = std::move(value);
        owner_.NotifyListeners();
    }

    const PropertyMap* map_;
    CData& owner_;
};

}  // namespace

// Each thread takes stamps from a run of its own, so that a stamp costs no
// atomic operation; runs never overlap, so stamps stay unique.
std::uint64_t CData::NextChangeStamp() {
    constexpr std::uint64_t kRun = std::uint64_t{1} << 16;
    static std::atomic<std::uint64_t> nextRun{1};
    thread_local std::uint64_t next = 0;
    thread_local std::uint64_t end = 0;
    if (next == end) {
        next = nextRun.fetch_add(kRun, std::memory_order_relaxed);
        end = next + kRun;
    }
    return next++;
}

CData::CData(std::int32_t objectId) : objectId_(objectId) {}

CData::~CData() = default;

void CData::CopyFrom(const CData& source) {
    RenewChangeStamp();
    notifyEnabled_ = source.notifyEnabled_;
    deleted_ = source.deleted_;
    registrant_ = source.registrant_;
    modifier_ = source.modifier_;
    lastModified_ = source.lastModified_;
    objectId_ = source.objectId_;
}

void CData::VisitProperties(PropertyVisitor& visitor) {
    visitor.Integer("objectId", objectId_);
    visitor.Boolean("deleted", deleted_);
    visitor.Text("registrant", registrant_);
    visitor.Text("modifier", modifier_);
    visitor.Date("lastModified", lastModified_);
}

void CData::LoadProperties() {
    LoadVisitor visitor(properties_.get(), *this);
    VisitProperties(visitor);
}

void CData::StoreProperties() {
    StoreVisitor visitor(Properties());
    VisitProperties(visitor);
}

bool CData::Assign(const CData& source) {
    if (source.GetType() != GetType())
        return false;
    if (&source == this)
        return true;
    CopyFrom(source);
    if (source.params_) {
        Params() = *source.params_;
    } else {
        params_.reset();
    }
    return true;
}

std::unique_ptr<CData> CData::Clone() const {
    return CloneAs(*this);
}

std::string CData::GetProperty(std::string_view name) const {
    return properties_ ? properties_->Get(name) : std::string();
}

void CData::SetProperty(std::string_view name, std::string value, bool notify) {
    Properties().Set(name, std::move(value));
    if (notify)
        NotifyListeners();
}

void CData::GetProperties(PropertyMap& out) {
    StoreProperties();
    out = *properties_;
}

void CData::SetProperties(const PropertyMap& map) {
    Properties() = map;
    LoadProperties();
}

PropertyMap CData::CollectProperties() const {
    PropertyMap map;
    if (properties_)
        map = *properties_;
    StoreVisitor visitor(map);
    // Storing only reads the fields; the visitor interface is shared with loading.
    const_cast<CData*>(this)->VisitProperties(visitor);
    return map;
}

std::string CData::GetParam(std::string_view name, std::string_view fallback) const {
    const std::string* value = params_ ? params_->Find(name) : nullptr;
    return value ? *value : std::string(fallback);
}

std::int32_t CData::GetParamInt(std::string_view name, std::int32_t fallback) const {
    const std::string* value = params_ ? params_->Find(name) : nullptr;
    return value ? ValueText::ToInt(*value, fallback) : fallback;
}

bool CData::GetParamBool(std::string_view name, bool fallback) const {
    const std::string* value = params_ ? params_->Find(name) : nullptr;
    return value ? ValueText::ToBool(*value, fallback) : fallback;
}

bool CData::HasParam(std::string_view name) const {
    return params_ && params_->Contains(name);
}

void CData::SetParam(std::string_view name, std::string value) {
    Params().Set(name, std::move(value));
    NotifyListeners();
}

void CData::SetParamInt(std::string_view name, std::int32_t value) {
    SetParam(name, ValueText::FromInt(value));
}

void CData::SetParamBool(std::string_view name, bool value) {
    SetParam(name, ValueText::FromBool(value));
}

void CData::RemoveParam(std::string_view name) {
    if (!params_)
        return;
    RenewChangeStamp();
    params_->Remove(name);
    if (params_->Empty())
        params_.reset();
}

void CData::GetParams(PropertyMap& out) const {
    if (params_) {
        out = *params_;
    } else {
        out.Clear();
    }
}

void CData::SetParams(const PropertyMap& map) {
    RenewChangeStamp();
    if (map.Empty()) {
        params_.reset();
    } else {
        Params() = map;
    }
}

void CData::ClearParams() {
    RenewChangeStamp();
    params_.reset();
}

void CData::NotifyListeners() {
    RenewChangeStamp();
    if (notifyEnabled_)
        listeners_.NotifyAll();
}

void CData::SetNotifyEnabled(bool enabled) {
    if (enabled == notifyEnabled_)
        return;
    notifyEnabled_ = enabled;
    RenewChangeStamp();
}

PropertyMap& CData::Properties() {
    if (!properties_)
        properties_ = std::make_unique<PropertyMap>();
    return *properties_;
}

PropertyMap& CData::Params() {
    if (!params_)
        params_ = std::make_unique<PropertyMap>();
    return *params_;
}

}  // namespace qb
