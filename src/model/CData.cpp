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
    void Alignment(const char* name, std::int8_t& value) override {
        map_.Set(name, ValueText::FromInt(value));
    }
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
    void Alignment(const char* name, std::int8_t& value) override {
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

CData::~CData() {
    delete ExtrasOrNull();
}

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
    LoadVisitor visitor(PropertyMapOrNull(), *this);
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
    if (const PropertyMap* params = source.ParamMapOrNull()) {
        Params() = *params;
    } else {
        DropParams();
    }
    return true;
}

std::unique_ptr<CData> CData::Clone() const {
    return CloneAs(*this);
}

std::string CData::GetProperty(std::string_view name) const {
    const PropertyMap* properties = PropertyMapOrNull();
    return properties ? properties->Get(name) : std::string();
}

void CData::SetProperty(std::string_view name, std::string value, bool notify) {
    Properties().Set(name, std::move(value));
    if (notify)
        NotifyListeners();
}

void CData::GetProperties(PropertyMap& out) {
    StoreProperties();
    out = Properties();
}

void CData::SetProperties(const PropertyMap& map) {
    Properties() = map;
    LoadProperties();
}

PropertyMap CData::CollectProperties() const {
    PropertyMap map;
    if (const PropertyMap* own = PropertyMapOrNull())
        map = *own;
    StoreVisitor visitor(map);
    // Storing only reads the fields; the visitor interface is shared with loading.
    const_cast<CData*>(this)->VisitProperties(visitor);
    return map;
}

std::string CData::GetParam(std::string_view name, std::string_view fallback) const {
    const PropertyMap* params = ParamMapOrNull();
    const std::string* value = params ? params->Find(name) : nullptr;
    return value ? *value : std::string(fallback);
}

std::int32_t CData::GetParamInt(std::string_view name, std::int32_t fallback) const {
    const PropertyMap* params = ParamMapOrNull();
    const std::string* value = params ? params->Find(name) : nullptr;
    return value ? ValueText::ToInt(*value, fallback) : fallback;
}

bool CData::GetParamBool(std::string_view name, bool fallback) const {
    const PropertyMap* params = ParamMapOrNull();
    const std::string* value = params ? params->Find(name) : nullptr;
    return value ? ValueText::ToBool(*value, fallback) : fallback;
}

bool CData::HasParam(std::string_view name) const {
    const PropertyMap* params = ParamMapOrNull();
    return params && params->Contains(name);
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
    if (!ParamMapOrNull())
        return;
    RenewChangeStamp();
    PropertyMap& params = Params();
    params.Remove(name);
    if (params.Empty())
        DropParams();
}

void CData::GetParams(PropertyMap& out) const {
    if (const PropertyMap* params = ParamMapOrNull()) {
        out = *params;
    } else {
        out.Clear();
    }
}

void CData::SetParams(const PropertyMap& map) {
    RenewChangeStamp();
    if (map.Empty()) {
        DropParams();
    } else {
        Params() = map;
    }
}

void CData::ClearParams() {
    RenewChangeStamp();
    DropParams();
}

void CData::NotifyListeners() {
    RenewChangeStamp();
    if (!notifyEnabled_)
        return;
    if (IPropertyChangeListener* first = FirstListener())
        first->OnPropertyChanged();
    // A listener may add or remove listeners while it is called: walk by
    // index and look at the side block afresh each time.
    for (std::size_t i = 0;; ++i) {
        const ObjectExtras* extras = ExtrasOrNull();
        if (!extras || i >= extras->listeners.size())
            break;
        extras->listeners[i]->OnPropertyChanged();
    }
}

IPropertyChangeListener* CData::FirstListener() const {
    if (const ObjectExtras* extras = ExtrasOrNull())
        return extras->first;
    return reinterpret_cast<IPropertyChangeListener*>(listenerOrExtras_);
}

void CData::SetFirstListener(IPropertyChangeListener* listener) {
    if (ObjectExtras* extras = ExtrasOrNull()) {
        extras->first = listener;
    } else if ((reinterpret_cast<std::uintptr_t>(listener) & kExtrasBit) == 0) {
        listenerOrExtras_ = reinterpret_cast<std::uintptr_t>(listener);
    } else {
        Extras().first = listener;
    }
}

void CData::AddListener(IPropertyChangeListener* listener) {
    if (!listener)
        return;
    const auto bits = reinterpret_cast<std::uintptr_t>(listener);
    if (listenerOrExtras_ == 0 && (bits & kExtrasBit) == 0) {
        listenerOrExtras_ = bits;  // the usual case: the holding array
        return;
    }
    if (!FirstListener()) {
        SetFirstListener(listener);
        return;
    }
    Extras().listeners.push_back(listener);
}

void CData::RemoveListener(IPropertyChangeListener* listener) {
    ObjectExtras* extras = ExtrasOrNull();
    if (extras)
        std::erase(extras->listeners, listener);
    if (FirstListener() == listener) {
        SetFirstListener(nullptr);
        if (extras && !extras->listeners.empty()) {
            extras->first = extras->listeners.front();
            extras->listeners.erase(extras->listeners.begin());
        }
    }
    DropExtrasIfEmpty();
}

int CData::GetListenerCount() const {
    const ObjectExtras* extras = ExtrasOrNull();
    const int further = extras ? static_cast<int>(extras->listeners.size()) : 0;
    return (FirstListener() ? 1 : 0) + further;
}

void CData::SetNotifyEnabled(bool enabled) {
    if (enabled == notifyEnabled_)
        return;
    notifyEnabled_ = enabled;
    RenewChangeStamp();
}

PropertyMap& CData::Properties() {
    ObjectExtras& extras = Extras();
    if (!extras.properties)
        extras.properties.emplace();
    return *extras.properties;
}

PropertyMap& CData::Params() {
    ObjectExtras& extras = Extras();
    if (!extras.params)
        extras.params.emplace();
    return *extras.params;
}

void CData::DropParams() {
    ObjectExtras* extras = ExtrasOrNull();
    if (!extras)
        return;
    extras->params.reset();
    DropExtrasIfEmpty();
}

ObjectExtras& CData::Extras() {
    if (ObjectExtras* extras = ExtrasOrNull())
        return *extras;
    auto extras = std::make_unique<ObjectExtras>();
    extras->first = FirstListener();
    listenerOrExtras_ = reinterpret_cast<std::uintptr_t>(extras.release()) | kExtrasBit;
    return *ExtrasOrNull();
}

// Back to the single word once the block holds nothing else than the first
// listener (one the word can hold).
void CData::DropExtrasIfEmpty() {
    ObjectExtras* extras = ExtrasOrNull();
    if (!extras || !extras->Empty() ||
        (reinterpret_cast<std::uintptr_t>(extras->first) & kExtrasBit) != 0)
        return;
    listenerOrExtras_ = reinterpret_cast<std::uintptr_t>(extras->first);
    delete extras;
}

}  // namespace qb
