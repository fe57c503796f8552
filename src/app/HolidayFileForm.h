#pragma once

#include <string>

#include "AppMessage.h"
#include "HolidayRuleList.h"

namespace qb {

// "休日ファイルエディタ": the rules of one holiday file. Questions, refusals
// and failures reach the user through the prompt; a failed open or save
// keeps the list as it is, and a save replaces the file only once the new
// one is whole.
class HolidayFileForm {
public:
    static constexpr AppMessage kSaveBeforeClose{
        0, "現在のデータは変更されています。閉じる前にデータをファイルに保存しますか？",
        PromptIcon::kQuestion, PromptButtons::kYesNoCancel};
    static constexpr AppMessage kSaveFirst{
        0, "現在のこのデータは変更されています。まずデータをファイルに保存しますか？",
        PromptIcon::kQuestion, PromptButtons::kYesNoCancel};
    static constexpr AppMessage kNotRead{
        0, "エラーが発生したため、休日情報ファイルを読み込めませんでした。\r\nエラーの詳細：%s",
        PromptIcon::kError, PromptButtons::kOk};
    static constexpr AppMessage kNotSaved{0, "休日ファイルを保存できませんでした。\r\n%s",
                                          PromptIcon::kError, PromptButtons::kOk};
    static constexpr const char* kFilter =
        "Quellbrandiren 休日ファイル|*.xml|全てのファイル (*.*)|*.*||";
    static constexpr const char* kExtension = "xml";
    static constexpr const char* kProposedName = "新しい休日ファイル.xml";
    static constexpr const char* kTitle = "休日ファイルエディタ";

    // systemFile is the holiday file the calendar reads for every project.
    HolidayFileForm(IPrompt& prompt, std::string systemFile);

    HolidayRuleList& List() { return list_; }
    const HolidayRuleList& List() const { return list_; }
    // The editor's name, with " - " and the file's name once there is a file.
    std::string Title() const;
    const std::string& Path() const { return path_; }
    // Whether a save wrote the system holiday file, which the calendar then
    // reads again.
    bool SavedSystemFile() const { return savedSystemFile_; }

    // These first ask whether to save a modified list; false when the user
    // cancels, a save fails or the file cannot be read.
    bool NewFile();
    bool OpenFile();
    bool OpenPath(const std::string& path);
    bool Save();
    bool SaveAs();
    // Asks about unsaved changes; true when the editor may close.
    bool Close();

private:
    bool AskToSave(const AppMessage& question);
    bool Load(const std::string& path);
    bool WriteTo(const std::string& path);

    IPrompt& prompt_;
    std::string systemFile_;
    HolidayRuleList list_;
    std::string path_;
    bool savedSystemFile_ = false;
};

}  // namespace qb
