#include "CGroupLink.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "ArchiveFormat.h"
#include "CRow.h"
#include "FileIo.h"
#include "GroupFile.h"
#include "GroupMonthFile.h"
#include "GroupScheduleMaker.h"
#include "SystemError.h"

namespace qb {
namespace {

constexpr std::string_view kGroupExtension = ".group";
constexpr int kRowHeight = 32;

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), Lower);
    return text;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

// The name in the folder that differs from name only in case, if any.
std::string FindIgnoringCase(const std::filesystem::path& folder, const std::string& name) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
    for (const std::filesystem::directory_entry& entry : entries) {
        const std::string candidate = entry.path().filename().string();
        if (EqualIgnoringCase(candidate, name))
            return candidate;
    }
    return {};
}

}  // namespace

CGroupLink::CGroupLink(std::string path, GroupDisplaySettings settings)
    : path_(std::move(path)), settings_(settings) {}

CGroupLink::~CGroupLink() = default;

bool CGroupLink::Lock(CProject* /*project*/) {
    Error().Clear();
    return true;
}

bool CGroupLink::Save(const CProject* /*project*/, bool /*force*/) {
    Error().Set(ErrorSlot::kOwnError, kNotWritableMessage);
    return false;
}

std::unique_ptr<CProject> CGroupLink::Load(bool /*keepOpen*/) {
    Error().Clear();
    if (path_.empty())
        Error().Set(ErrorSlot::kOwnError, kNoPathMessage);
    return nullptr;
}

void CGroupLink::SetPath(std::string path) {
    if (path == path_)
        return;
    path_ = std::move(path);
    loadedMonths_.clear();
    loadedKeys_.clear();
    members_.clear();
    opened_ = false;
}

// Only the file's name is lowered: the folder keeps its own spelling.
std::string CGroupLink::MonthFilePath(const std::string& groupPath, int year, int month) {
    const std::filesystem::path group(groupPath);
    std::string name = LowerAscii(group.filename().string());
    if (name.size() >= kGroupExtension.size() &&
        name.compare(name.size() - kGroupExtension.size(), kGroupExtension.size(),
                     kGroupExtension) == 0)
        name.resize(name.size() - kGroupExtension.size());
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "%04d%02d.sch", year, month);
    name += suffix;
    const std::filesystem::path folder = group.parent_path();
    std::error_code error;
    if (!std::filesystem::exists(folder / name, error)) {
        const std::string other = FindIgnoringCase(folder, name);
        if (!other.empty())
            name = other;
    }
    return (folder / name).string();
}

bool CGroupLink::OpenGroup(CProject& project) {
    Error().Clear();
    std::string bytes;
    std::uint32_t code = 0;
    if (path_.empty()) {
        Error().Set(ErrorSlot::kOwnError, kNoPathMessage);
        return false;
    }
    if (!FileIo::ReadAll(path_, bytes, code)) {
        Error().Set(code);
        return false;
    }
    std::optional<GroupFile> group = GroupFile::Read(bytes);
    if (!group) {
        Error().Set(ErrorSlot::kOwnError, ArchiveFormat::kFormatMessage);
        return false;
    }
    project.GetRows().DeleteAll();
    members_.clear();
    project.SetShared(false);
    for (GroupFile::Member& member : group->members) {
        if (member.IsHidden())
            continue;
        auto row = std::make_unique<CRow>(project.NewObjectId());
        row->SetCaption(std::move(member.name));
        row->SetHeight(kRowHeight);
        members_[member.key] = row->GetObjectId();
        project.GetRows().Add(std::move(row));
    }
    project.SetTitle(std::move(group->name));
    opened_ = true;
    return true;
}

bool CGroupLink::IsLoaded(std::uint32_t key) const {
    return loadedKeys_.count(key) != 0;
}

bool CGroupLink::LoadMonths(CProject& project, int firstYear, int firstMonth, int lastYear,
                            int lastMonth) {
    if (!opened_ && !OpenGroup(project))
        return false;
    bool read = false;
    for (int year = firstYear; year <= lastYear; ++year) {
        const int from = year == firstYear ? firstMonth : 1;
        const int to = year == lastYear ? lastMonth : 12;
        for (int month = std::max(from, 1); month <= std::min(to, 12); ++month) {
            const auto key = static_cast<std::uint32_t>(year * 100 + month);
            if (IsLoaded(key))
                continue;
            // Tried once, whatever comes of it.
            if (ReadMonth(project, year, month))
                read = true;
            loadedMonths_.push_back(key);
            loadedKeys_.insert(key);
        }
    }
    return read;
}

bool CGroupLink::ReadMonth(CProject& project, int year, int month) {
    std::string bytes;
    std::uint32_t code = 0;
    if (!FileIo::ReadAll(MonthFilePath(path_, year, month), bytes, code)) {
        // A month without appointments has no file at all.
        if (code != SystemError::kFileNotFound)
            Error().Set(code);
        return false;
    }
    const GroupMonthFile file = GroupMonthFile::Read(bytes);
    const GroupScheduleMaker maker(settings_);
    for (const GroupMonthFile::Appointment& appointment : file.appointments) {
        if (!maker.Shows(appointment))
            continue;
        const auto member = members_.find(appointment.memberKey);
        if (member == members_.end())
            continue;
        project.GetSchedules().Add(maker.Make(appointment, member->second, project));
    }
    return true;
}

}  // namespace qb
