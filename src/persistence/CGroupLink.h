#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "CFileAccessor.h"
#include "GroupDisplaySettings.h"

namespace qb {

// A project linked to a Tallyframe group: the group's members are its rows,
// and the appointments of each month file become schedules as the months
// come into view. The files are only read, never written; a month once tried
// is not read again for the life of the link.
class CGroupLink : public CFileAccessor {
public:
    static constexpr const char* kNoPathMessage = "ファイルパスが指定されていません。";
    static constexpr const char* kNotWritableMessage =
        "Tallyframe のグループファイルには保存できません。"
        "「名前を付けて保存」で Quellbrandiren のファイルとして保存して下さい。";

    explicit CGroupLink(std::string path = {}, GroupDisplaySettings settings = {});
    ~CGroupLink() override;

    // Nothing to take: the files are read when they are needed.
    bool Lock(CProject* project) override;
    // The group's files are not ours to write.
    bool Save(const CProject* project, bool force) override;
    // The group is read into a project the caller made (OpenGroup).
    std::unique_ptr<CProject> Load(bool keepOpen) override;

    // A different path forgets the months read and the group itself.
    void SetPath(std::string path);
    const std::string& GetPath() const { return path_; }
    const GroupDisplaySettings& GetSettings() const { return settings_; }

    // Makes the group's visible members project's rows, in place of the
    // rows it had, and its name the project's title.
    bool OpenGroup(CProject& project);
    // Reads the month files from first to last month that were not tried
    // yet, opening the group first when needed. True when at least one month
    // file was read.
    bool LoadMonths(CProject& project, int firstYear, int firstMonth, int lastYear, int lastMonth);
    bool IsOpened() const { return opened_; }
    // Keys year * 100 + month of the months tried, in the order tried.
    const std::vector<std::uint32_t>& GetLoadedMonths() const { return loadedMonths_; }
    // Member key to the id of the member's row.
    const std::map<std::string, std::int32_t>& GetMembers() const { return members_; }

    // Where the month's file is: beside the group file, named after it in
    // lower case with the month in place of ".group". When no file has that
    // name, one whose name differs from it only in case.
    static std::string MonthFilePath(const std::string& groupPath, int year, int month);

private:
    bool ReadMonth(CProject& project, int year, int month);
    bool IsLoaded(std::uint32_t key) const;

    std::string path_;
    GroupDisplaySettings settings_;
    std::vector<std::uint32_t> loadedMonths_;
    std::set<std::uint32_t> loadedKeys_;
    std::map<std::string, std::int32_t> members_;
    bool opened_ = false;
};

}  // namespace qb
