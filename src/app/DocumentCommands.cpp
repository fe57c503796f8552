#include "DocumentCommands.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "AppMessages.h"
#include "CProjectFile.h"
#include "CStatus.h"
#include "DateEntry.h"
#include "EditSession.h"
#include "ErrorSlot.h"
#include "HistoryCopy.h"
#include "IDocumentView.h"
#include "NewProjectDefaults.h"
#include "PasswordCheck.h"
#include "ProjectArchive.h"
#include "ProjectMerge.h"
#include "ProjectSetFile.h"
#include "TemplateShift.h"
#include "ViewStatusStore.h"

namespace qb {
namespace {

std::size_t CharacterCount(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// The file carries no write permission for its owner: the read-only mark.
bool HasReadOnlyMark(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

// "2027/04/01" and "2027-04-01" are read as "20270401".
std::string WithoutSeparators(const std::string& text) {
    std::string compact;
    for (char c : text) {
        if (c != '/' && c != '-' && c != ' ')
            compact += c;
    }
    return compact;
}

}  // namespace

DocumentCommands::DocumentCommands(CStatus& status) : status_(status) {
    // Switching an untitled document to shared mode names it first; a
    // refresh of imported data reads the file again.
    status_.Edit().SetSaveAsHook([this] { return CommandSaveAs(); });
    status_.Edit().SetReopenHook([this] {
        const std::string path = status_.path;
        CloseDocument(true);
        OpenDocument(path);
    });
}

DocumentCommands::Answer DocumentCommands::AskSaveChanges() {
    if (!status_.HasDocument())
        return Answer::kProceed;
    if (!status_.modified && !status_.View().HasUnappliedPageInput())
        return Answer::kProceed;
    const PromptAnswer answer = status_.Prompt().Show(messages::kSaveChanges.Plain());
    if (answer == PromptAnswer::kCancel)
        return Answer::kCancel;
    if (answer == PromptAnswer::kNo)
        return Answer::kProceed;
    if (status_.IsShared()) {
        // The file already holds every change but the page's typed values.
        ApplySharedPageInput();
        return Answer::kProceed;
    }
    if (status_.projectSetOpen && !ConfirmProjectSetSave())
        return Answer::kCancel;
    // A save that fails or is abandoned keeps the document: going on would
    // throw the changes away after the user asked to keep them.
    if (!SaveDocument()) {
        if (status_.modified && !status_.path.empty())
            status_.Prompt().Show(messages::kSaveFailed.Plain());
        return Answer::kCancel;
    }
    return Answer::kProceed;
}

void DocumentCommands::ApplySharedPageInput() {
    CProject* project = status_.GetProject();
    CFileAccessor* accessor = status_.GetAccessor();
    if (!accessor || !accessor->Lock(project)) {
        status_.Edit().ReportAccessorError();
        return;
    }
    status_.View().ApplyPageInput(*project);
    if (!accessor->Save(project, false))
        status_.Edit().ReportAccessorError();
}

bool DocumentCommands::RefusePath(const std::string& path) {
    if (!IsRegularFile(path)) {
        Warn(messages::kFileNotFound);
        return true;
    }
    if (CharacterCount(path) > kMaxPathLength) {
        Warn(messages::kPathTooLong);
        return true;
    }
    return false;
}

bool DocumentCommands::OpenDocument(const std::string& path) {
    if (RefusePath(path))
        return false;
    CloseDocument(true);
    status_.SetAccessor(nullptr);
    scrollDate_ = status_.initialDisplayDate;
    status_.initialDisplayDate = COleDateTime::Null();
    if (IsGroupFile(path)) {
        // Reading the sibling product's files is not part of the program yet.
        status_.Prompt().Show(messages::kNotYetAvailable.Plain());
        status_.View().RefreshFrame();
        return false;
    }
    HistoryCopy history(status_.Folders());
    const bool historyCopied = history.Prepare(path, status_.Settings().saveHistory);
    if (!LoadFile(path))
        return false;
    FinishOpen(path, historyCopied);
    return status_.HasDocument();
}

bool DocumentCommands::LoadFile(const std::string& path) {
    status_.Backups().CopyToBackupFolder(path);
    status_.showingForeignData = false;
    auto accessor = std::make_unique<CProjectFile>(path, status_.fileRetry);
    // Single-mode files stay held from here on; shared ones are let go.
    std::unique_ptr<CProject> project = accessor->Load(false);
    status_.SetAccessor(std::move(accessor));
    if (!project) {
        ReportLoadFailure(path);
        return false;
    }
    if (RefuseNewerVersion(project, path))
        return false;
    status_.SetProject(std::move(project));
    status_.modified = false;
    status_.path = path;
    if (!PasswordCheck::IsProtected(*status_.GetProject()))
        return true;
    status_.readOnly = true;
    const PasswordCheck::Result result =
        PasswordCheck::Ask(*status_.GetProject(), status_.Prompt());
    if (result == PasswordCheck::Result::kRefused) {
        CloseDocument(false);
        return false;
    }
    status_.readOnly = result == PasswordCheck::Result::kReadOnly;
    return true;
}

bool DocumentCommands::IsGroupFile(const std::string& path) {
    constexpr std::string_view kGroup = ".group";
    if (path.size() < kGroup.size())
        return false;
    return std::equal(kGroup.rbegin(), kGroup.rend(), path.rbegin(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

PromptMessage DocumentCommands::LoadFailure(const ErrorSlot& error, const std::string& path) {
    PromptMessage message = EditSession::ErrorMessage(error).value_or(
        PromptMessage{0, error.Describe(), PromptIcon::kWarning, PromptButtons::kOk});
    message.text += "\r\n" + path;
    return message;
}

std::optional<PromptMessage> DocumentCommands::NewerVersionRefusal(const CProject& project) {
    const int required = project.GetAvailableVersion();
    if (required <= kReadableVersion)
        return std::nullopt;
    char version[32];
    std::snprintf(version, sizeof version, "%d.%d", required / 100, required % 100);
    return messages::kVersionTooNew.Format(version);
}

void DocumentCommands::ReportLoadFailure(const std::string& path) {
    status_.Prompt().Show(LoadFailure(status_.GetAccessor()->GetError(), path));
    status_.SetAccessor(nullptr);
    status_.Backups().RemoveFromBackupFolder(path);
    status_.View().RefreshFrame();
}

bool DocumentCommands::RefuseNewerVersion(std::unique_ptr<CProject>& project,
                                          const std::string& path) {
    const std::optional<PromptMessage> refusal = NewerVersionRefusal(*project);
    if (!refusal)
        return false;
    status_.Prompt().Show(*refusal);
    status_.SetProject(std::move(project));
    status_.path = path;
    CloseDocument(false);
    return true;
}

void DocumentCommands::FinishOpen(const std::string& path, bool historyCopied) {
    CProject& project = *status_.GetProject();
    if (HasReadOnlyMark(path))
        status_.readOnly = true;
    status_.Edit().ConsistencySweep();
    status_.View().DocumentChanged();
    if (historyCopied)
        HistoryCopy(status_.Folders()).Finish(path, project.GetRows().GetCount() > 0);
    const ViewStatus view = ViewStatusStore(status_.Store()).Load(path);
    status_.View().ApplyViewStatus(view);
    status_.Recent().Add(path);
    if (status_.GetAccessor()->IsReadOnly())
        status_.readOnly = true;
    status_.View().RefreshFrame();
    ShowAfterOpen(view);
    if (project.GetDataVersion() < kOldDataVersion)
        status_.Prompt().Show(messages::kOldVersion.Format("1.2.0"));
}

void DocumentCommands::ShowAfterOpen(const ViewStatus& view) {
    if (scrollDate_.GetStatus() == COleDateTime::valid)
        status_.View().ScrollToDate(scrollDate_);
    else if (view.leftPos.GetStatus() == COleDateTime::valid)
        status_.View().ScrollToDate(view.leftPos);
    scrollDate_ = COleDateTime::Null();
}

void DocumentCommands::CloseDocument(bool keepViewStatus) {
    if (!status_.HasDocument())
        return;
    if (status_.editOpen)
        status_.Edit().EndEdit();
    if (keepViewStatus && !status_.path.empty())
        ViewStatusStore(status_.Store()).Save(status_.path, status_.View().CollectViewStatus());
    status_.Backups().RemoveFromBackupFolder(status_.path);
    status_.Undo().Clear();
    status_.SetProject(nullptr);
    status_.SetAccessor(nullptr);
    status_.projectSetOpen = false;
    status_.showingForeignData = false;
    status_.readOnly = false;
    status_.modified = false;
    status_.View().ClearSelection();
    status_.path.clear();
    status_.View().DocumentChanged();
    status_.View().RefreshFrame();
}

void DocumentCommands::NewDocument() {
    CloseDocument(true);
    auto project = std::make_unique<CProject>();
    NewProjectDefaults::Apply(*project, status_.Settings());
    status_.SetProject(std::move(project));
    status_.SetAccessor(std::make_unique<CProjectFile>());
    status_.modified = false;
    status_.path.clear();
    status_.View().DocumentChanged();
    status_.View().ApplyViewStatus(ViewStatus{});
    status_.View().RefreshFrame();
}

bool DocumentCommands::SaveDocument() {
    CFileAccessor* accessor = status_.GetAccessor();
    CProject* project = status_.GetProject();
    if (!accessor || !project || project->IsShared())
        return false;
    if (status_.path.empty())
        return SaveDocumentAs();
    IPrompt& prompt = status_.Prompt();
    prompt.SetBusy(true);
    accessor->Lock(project);
    status_.View().ApplyPageInput(*project);
    const bool saved = accessor->Save(project, true);
    prompt.SetBusy(false);
    if (!saved)
        return false;
    WriteCsvCopy();
    status_.modified = false;
    return true;
}

// The hidden option asks for a CSV export beside every saved file; the CSV
// writer is not part of the program yet, so say so rather than pretend.
void DocumentCommands::WriteCsvCopy() {
    if (status_.Settings().CsvCopyOnSave())
        Warn(messages::kCsvCopyNotAvailable);
}

bool DocumentCommands::SaveDocumentAs() {
    CProject* project = status_.GetProject();
    if (!project)
        return false;
    const std::optional<std::string> chosen =
        status_.Prompt().ChooseFile({true, kSaveFilter, "qbd", kNewFileName});
    if (!chosen)
        return false;
    status_.Backups().RemoveFromBackupFolder(status_.path);
    if (chosen->empty())
        return false;
    status_.SetAccessor(nullptr);
    auto accessor = std::make_unique<CProjectFile>(*chosen, status_.fileRetry);
    CProjectFile& file = *accessor;
    status_.Prompt().SetBusy(true);
    std::error_code ignored;
    std::filesystem::remove(*chosen, ignored);
    status_.SetAccessor(std::move(accessor));
    status_.View().ApplyPageInput(*project);
    const bool saved = file.Save(project, true);
    status_.Prompt().SetBusy(false);
    if (!saved) {
        status_.Prompt().Show(messages::kSaveFailed.Plain());
        return false;
    }
    WriteCsvCopy();
    status_.modified = false;
    status_.Recent().Add(*chosen);
    status_.path = *chosen;
    status_.projectSetOpen = false;
    status_.View().RefreshFrame();
    return true;
}

bool DocumentCommands::CommandNew() {
    if (AskSaveChanges() == Answer::kCancel)
        return false;
    NewDocument();
    return true;
}

bool DocumentCommands::CommandOpen() {
    if (AskSaveChanges() == Answer::kCancel)
        return false;
    const std::optional<std::string> chosen =
        status_.Prompt().ChooseFile({false, kOpenFilter, "qbd", {}});
    if (!chosen)
        return false;
    if (!IsRegularFile(*chosen)) {
        Warn(messages::kNoSuchFile);
        return false;
    }
    return OpenDocument(*chosen);
}

bool DocumentCommands::CommandOpenTemplate() {
    if (AskSaveChanges() == Answer::kCancel)
        return false;
    CloseDocument(true);
    IPrompt& prompt = status_.Prompt();
    const std::optional<std::string> chosen = prompt.ChooseFile({false, kSaveFilter, "qbd", {}});
    if (!chosen)
        return false;
    const std::optional<std::string> startText =
        prompt.AskText({"テンプレートとして開く",
                        "最初のスケジュールを移す開始日を入力して下さい（例: 20270401）。\n"
                        "空欄のときは日付を動かしません。",
                        false});
    if (!startText)
        return false;
    COleDateTime start = COleDateTime::Null();
    if (!startText->empty()) {
        start = DateEntry::ParseCompactDate(WithoutSeparators(*startText));
        if (start.GetStatus() != COleDateTime::valid) {
            Warn(messages::kBadDate);
            return false;
        }
    }
    if (!OpenDocument(*chosen))
        return false;
    DetachFromFile();
    ShiftTemplate(start);
    return true;
}

void DocumentCommands::DetachFromFile() {
    status_.Backups().RemoveFromBackupFolder(status_.path);
    status_.SetAccessor(std::make_unique<CProjectFile>(std::string(), status_.fileRetry));
    status_.path.clear();
    status_.readOnly = false;
    status_.GetProject()->SetShared(false);
    status_.View().RefreshFrame();
}

void DocumentCommands::ShiftTemplate(const COleDateTime& start) {
    EditSession& edit = status_.Edit();
    if (!edit.BeginEdit())
        return;
    CProject& project = *status_.GetProject();
    TemplateShift::Apply(project, TemplateShift::DaysTo(project, start));
    edit.EndEdit();
    status_.View().DocumentChanged();
    status_.View().RefreshFrame();
}

bool DocumentCommands::CommandOpenRecent(int index) {
    const std::vector<std::string>& entries = status_.Recent().Entries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return false;
    const std::string path = entries[static_cast<std::size_t>(index)];
    if (AskSaveChanges() == Answer::kCancel)
        return false;
    return OpenDocument(path);
}

bool DocumentCommands::CommandClose() {
    if (AskSaveChanges() == Answer::kCancel)
        return false;
    CloseDocument(true);
    return true;
}

bool DocumentCommands::CommandSave() {
    if (status_.projectSetOpen && !ConfirmProjectSetSave())
        return false;
    if (SaveDocument())
        return true;
    // A cancelled save-as dialog is not a failure to report.
    if (!status_.path.empty())
        status_.Prompt().Show(messages::kSaveFailed.Plain());
    return false;
}

bool DocumentCommands::CommandSaveAs() {
    if (status_.projectSetOpen && !ConfirmProjectSetSave())
        return false;
    return SaveDocumentAs();
}

bool DocumentCommands::CommandProjectSetCreate() {
    if (AskSaveChanges() == Answer::kCancel)
        return false;
    CloseDocument(true);
    const std::optional<std::vector<std::string>> members = ChooseMembers();
    if (!members)
        return false;
    const std::optional<std::string> setPath = status_.Prompt().ChooseFile(
        {true, ProjectSetFile::kFilter, "qbds", "新しいプロジェクトセット.qbds"});
    if (setPath && !ProjectSetFile::Write(*setPath, *members))
        status_.Prompt().Show(messages::kSaveFailed.Plain());
    return OpenProjectSet(*members);
}

bool DocumentCommands::CommandProjectSetOpen() {
    if (AskSaveChanges() == Answer::kCancel)
        return false;
    CloseDocument(true);
    const std::optional<std::string> setPath =
        status_.Prompt().ChooseFile({false, ProjectSetFile::kFilter, "qbds", {}});
    if (!setPath)
        return false;
    const std::optional<std::vector<std::string>> members = ProjectSetFile::Read(*setPath);
    if (!members) {
        Warn(messages::kProjectSetFormat);
        return false;
    }
    return OpenProjectSet(*members);
}

bool DocumentCommands::CommandProjectSetChange() {
    const std::optional<std::vector<std::string>> members = ChooseMembers();
    if (!members)
        return false;
    if (AskSaveChanges() == Answer::kCancel)
        return false;
    CloseDocument(true);
    return OpenProjectSet(*members);
}

std::optional<std::vector<std::string>> DocumentCommands::ChooseMembers() {
    std::optional<std::vector<std::string>> members =
        status_.Prompt().ChooseFiles({false, kSaveFilter, "qbd", {}});
    if (!members || members->empty())
        return std::nullopt;
    return members;
}

// The first member that loads is the base; each further one is merged in.
bool DocumentCommands::OpenProjectSet(const std::vector<std::string>& members) {
    std::unique_ptr<CProject> combined;
    for (const std::string& member : members) {
        std::unique_ptr<CProject> project = LoadMember(member);
        if (!project)
            continue;
        if (combined)
            ProjectMerge::Merge(*combined, *project);
        else
            combined = std::move(project);
    }
    if (!combined)
        return false;
    combined->SetShared(false);
    status_.SetProject(std::move(combined));
    status_.SetAccessor(std::make_unique<CProjectFile>(std::string(), status_.fileRetry));
    status_.path.clear();
    status_.modified = false;
    status_.projectSetOpen = true;
    status_.Edit().ConsistencySweep();
    status_.View().DocumentChanged();
    status_.View().ApplyViewStatus(ViewStatus{});
    status_.View().RefreshFrame();
    return true;
}

std::unique_ptr<CProject> DocumentCommands::LoadMember(const std::string& path) {
    CProjectFile file(path, status_.fileRetry);
    std::unique_ptr<CProject> project = IsRegularFile(path) ? file.Load(false) : nullptr;
    file.Lock(nullptr);
    if (project)
        return project;
    if (file.GetErrorCode() == 32)
        status_.Prompt().Show(messages::kSetMemberLocked.Format(path));
    else
        status_.Prompt().Show(messages::kProjectSetMemberFailed.Format(path));
    return nullptr;
}

bool DocumentCommands::DropFile(const std::string& path) {
    if (!ProjectArchive::IsArchiveFile(path)) {
        Warn(messages::kNotOurFile);
        return false;
    }
    if (AskSaveChanges() == Answer::kCancel)
        return false;
    return OpenDocument(path);
}

bool DocumentCommands::Undo() {
    auto fresh = std::make_unique<CProject>();
    if (!status_.Undo().Undo(*status_.GetProject(), *fresh, status_.Prompt()))
        return false;
    RestoreFrom(std::move(fresh));
    return true;
}

bool DocumentCommands::Redo() {
    auto fresh = std::make_unique<CProject>();
    if (!status_.Undo().Redo(*status_.GetProject(), *fresh, status_.Prompt()))
        return false;
    RestoreFrom(std::move(fresh));
    return true;
}

void DocumentCommands::RestoreFrom(std::unique_ptr<CProject> project) {
    status_.Settings().showColumns = project->IsDisplayColumns();
    status_.SetProject(std::move(project));
    status_.View().ViewModeChanged(status_.viewMode);
    status_.View().DocumentChanged();
    status_.View().RefreshFrame();
}

void DocumentCommands::Refresh() {
    status_.Edit().RefreshFromFile();
}

bool DocumentCommands::ConfirmProjectSetSave() {
    return status_.Prompt().Show(messages::kProjectSetNotice.Plain()) == PromptAnswer::kOk;
}

void DocumentCommands::Warn(const AppMessage& message) {
    status_.Prompt().Show(message.Plain());
}

}  // namespace qb
