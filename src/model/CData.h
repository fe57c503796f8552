#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "COleDateTime.h"
#include "IPropertyChangeListener.h"
#include "ObjectExtras.h"
#include "PropertyMap.h"
#include "PropertyVisitor.h"
#include "ValueText.h"

namespace qb {

// The base of every persistent object: identity, audit fields, the property
// and parameter maps, and change notification. Typed fields of the derived
// classes change only through SetField, which notifies on an effective change.
class CData {
public:
    enum Type : int {
        kData = 0,
        kDataArray = 1,
        kColumn = 2,
        kColumnArray = 3,
        kMemo = 4,
        kDrawPart = 5,
        kDrawPartArray = 6,
        kProject = 7,
        kLink = 8,
        kLinkArray = 9,
        kRow = 10,
        kRowArray = 11,
        kSchedule = 12,
        kScheduleArray = 13,
        kHoliday = 14,
        kHolidayArray = 15,
        kYmdHoliday = 16,
        kMdHoliday = 17,
        kMwHoliday = 18,
        kMonthlyHoliday = 19,
        kMonthlyWHoliday = 20,
        kWeeklyHoliday = 21,
        kScheduleStyle = 22,
        kScheduleStyleArray = 23,
        kStyleData = 24,
    };
    static constexpr int kTypeCount = 25;
    // Object id of temporary copies that never enter a project, and of "none".
    static constexpr std::int32_t kNoObject = -1;

    explicit CData(std::int32_t objectId = 0);
    virtual ~CData();
    CData(const CData&) = delete;
    CData& operator=(const CData&) = delete;

    // Copies the common fields (notifyEnabled included) and each class's typed
    // fields; neither the listeners nor the two maps.
    virtual void CopyFrom(const CData& source);
    // Sets every typed field from the property map; a missing name loads the
    // type's default (0, false, null date, default font or pen).
    virtual void LoadProperties();
    // Writes every typed field into the property map as text.
    virtual void StoreProperties();
    virtual int GetType() const { return kData; }
    // CopyFrom plus a copy of the parameter map; false (nothing changed) when
    // the source is of another type.
    virtual bool Assign(const CData& source);
    // A new object of the same class carrying this one's values.
    virtual std::unique_ptr<CData> Clone() const;

    // The typed fields in property order; each class calls its base first.
    virtual void VisitProperties(PropertyVisitor& visitor);

    // Property map.
    std::string GetProperty(std::string_view name) const;
    void SetProperty(std::string_view name, std::string value, bool notify = true);
    // StoreProperties, then a copy of the whole property map.
    void GetProperties(PropertyMap& out);
    // Replaces the property map and loads the typed fields from it.
    void SetProperties(const PropertyMap& map);
    // What GetProperties would give, without touching this object's own map
    // (writers use it on large documents).
    PropertyMap CollectProperties() const;
    const PropertyMap* PropertyMapOrNull() const {
        const ObjectExtras* extras = ExtrasOrNull();
        return extras && extras->properties ? &*extras->properties : nullptr;
    }

    // Parameter map.
    std::string GetParam(std::string_view name, std::string_view fallback = {}) const;
    std::int32_t GetParamInt(std::string_view name, std::int32_t fallback) const;
    bool GetParamBool(std::string_view name, bool fallback) const;
    bool HasParam(std::string_view name) const;
    void SetParam(std::string_view name, std::string value);
    void SetParamInt(std::string_view name, std::int32_t value);
    void SetParamBool(std::string_view name, bool value);
    void RemoveParam(std::string_view name);
    void GetParams(PropertyMap& out) const;
    void SetParams(const PropertyMap& map);
    void ClearParams();
    const PropertyMap* ParamMapOrNull() const {
        const ObjectExtras* extras = ExtrasOrNull();
        return extras && extras->params ? &*extras->params : nullptr;
    }

    // Notification.
    void AddListener(IPropertyChangeListener* listener);
    // Forgets every registration of listener (used when an owner lets go of
    // an object, so the object never calls an owner that may be gone).
    void RemoveListener(IPropertyChangeListener* listener);
    int GetListenerCount() const;
    void NotifyListeners();
    bool IsNotifyEnabled() const { return notifyEnabled_; }
    void SetNotifyEnabled(bool enabled);

    // A number that changes whenever any of this object's own values may have
    // changed (typed fields, common fields, parameters; not the property map,
    // not the elements or child rows it holds). No number is handed out twice
    // in a process, so two objects share one only when one is a clone of the
    // other that neither has changed since: the same number means the same
    // values. Copies kept for undo are reused while it stays the same.
    std::uint64_t GetChangeStamp() const { return changeStamp_; }

    // Common fields.
    std::int32_t GetObjectId() const { return objectId_; }
    void SetObjectId(std::int32_t id) { SetField(objectId_, id); }
    bool IsDeleted() const { return deleted_; }
    void SetDeleted(bool deleted) { SetField(deleted_, deleted); }
    std::string_view GetRegistrant() const { return registrant_.View(); }
    void SetRegistrant(std::string_view name) { SetField(registrant_, name); }
    std::string_view GetModifier() const { return modifier_.View(); }
    void SetModifier(std::string_view name) { SetField(modifier_, name); }
    const COleDateTime& GetLastModified() const { return lastModified_; }
    void SetLastModified(const COleDateTime& time) { SetField(lastModified_, time); }

protected:
    // For changes that tell no listener (array slots, parameters): a new
    // change stamp. NotifyListeners renews it too.
    void RenewChangeStamp() { changeStamp_ = NextChangeStamp(); }

    // The one way a typed field changes: nothing happens when the value is the
    // same; otherwise it is assigned and the listeners are told.
    template <class T, class V>
    bool SetField(T& field, V&& value) {
        T typed(std::forward<V>(value));
        if (ValueText::Same(field, typed))
            return false;
        field = std::move(typed);
        NotifyListeners();
        return true;
    }
    // For Clone: a default object of the derived class T assigned from self.
    // It holds the same values, so it keeps self's change stamp.
    template <class T>
    static std::unique_ptr<CData> CloneAs(const T& self) {
        auto copy = std::make_unique<T>();
        copy->Assign(self);
        static_cast<CData&>(*copy).changeStamp_ = self.changeStamp_;
        return copy;
    }

private:
    static std::uint64_t NextChangeStamp();

    PropertyMap& Properties();
    PropertyMap& Params();
    void DropParams();
    ObjectExtras& Extras();
    void DropExtrasIfEmpty();

    // Almost every object has exactly one listener, the array that holds it;
    // further listeners and both maps live in the side block, which most
    // objects never need. One word holds either that one listener or, with
    // its lowest bit set, the side block, which then keeps the first listener
    // too (both are aligned, so that bit is free).
    static constexpr std::uintptr_t kExtrasBit = 1;
    ObjectExtras* ExtrasOrNull() const {
        return (listenerOrExtras_ & kExtrasBit) != 0
                   ? reinterpret_cast<ObjectExtras*>(listenerOrExtras_ & ~kExtrasBit)
                   : nullptr;
    }
    IPropertyChangeListener* FirstListener() const;
    void SetFirstListener(IPropertyChangeListener* listener);

    std::uintptr_t listenerOrExtras_ = 0;
    std::uint64_t changeStamp_ = NextChangeStamp();
    COleDateTime lastModified_ = COleDateTime::Null();
    CompactText registrant_;
    CompactText modifier_;
    std::int32_t objectId_;
    bool notifyEnabled_ = false;
    bool deleted_ = false;
};

}  // namespace qb
