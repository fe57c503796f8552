#include "DocumentCommands.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "AppMessages.h"
#include "AppServices.h"
#include "BusyCursor.h"
#include "CGroupLink.h"
#include "CProjectFile.h"
#include "DateEntry.h"
#include "Document.h"
#include "DocumentLoader.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "HistoryCopy.h"
#include "IDocumentView.h"
#include "ISaveCompanion.h"
#include "NewProjectDefaults.h"
#include "PasswordCheck.h"
#include "ProjectArchive.h"
#include "ProjectMerge.h"
#include "ProjectSetFile.h"
#include "SystemError.h"
#include "TemplateShift.h"
#include "UndoHistory.h"
#include "ViewLink.h"
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

DocumentCommands::DocumentCommands(Document& document, AppServices& services, UndoHistory& undo,
                                   EditSession& edit, ViewLink& view)
    : document_(document), services_(services), undo_(undo), edit_(edit), view_(view) {
    // Switching an untitled document to shared mode names it first; a
    // refresh of imported data reads the file again.
    edit_.SetSaveAsHook([this] { return CommandSaveAs(); });
    edit_.SetReopenHook([this] {
        const std::string path = document_.Path();
        CloseDocument(true);
        OpenDocument(path);
    });
}

DocumentCommands::Answer DocumentCommands::AskSaveChanges() {
    if (!document_.HasProject())
        return Answer::kProceed;
    if (!document_.IsModified() && !view_.View().HasUnappliedPageInput())
        return Answer::kProceed;
    const PromptAnswer answer = services_.Prompt().Show(messages::kSaveChanges.Plain());
    if (answer == PromptAnswer::kCancel)
        return Answer::kCancel;
    if (answer == PromptAnswer::kNo)
        return Answer::kProceed;
    if (document_.IsShared()) {
        // The file already holds every change but the page's typed values.
        return CommitPageInput() ? Answer::kProceed : Answer::kCancel;
    }
    if (document_.IsProjectSet() && !ConfirmProjectSetSave())
        return Answer::kCancel;
    // A save that fails or is abandoned keeps the document: going on would
    // throw the changes away after the user asked to keep them.
    if (!SaveDocument()) {
        if (document_.IsModified() && !document_.Path().empty())
            services_.Prompt().Show(messages::kSaveFailed.Plain());
        return Answer::kCancel;
    }
    // Input the page refused stays on it to be put right.
    if (view_.View().HasUnappliedPageInput())
        return Answer::kCancel;
    return Answer::kProceed;
}

// Taking the file reloads a shared project before the values go in; the
// commit then writes it at once, while single mode keeps the values for the
// next save and counts as modified. Input the page refuses is checked before
// the file is taken, so that no other process waits on the message.
bool DocumentCommands::CommitPageInput() {
    CProject* project = document_.GetProject();
    IDocumentView& view = view_.View();
    if (project == nullptr || !view.HasUnappliedPageInput())
        return true;
    if (!view.CheckPageInput())
        return false;
    CFileAccessor* accessor = document_.GetAccessor();
    if (accessor && !accessor->Lock(project)) {
        document_.ContentChanged();
        edit_.ReportAccessorError();
        return false;
    }
    view.ApplyPageInput(*project);
    edit_.Stamp().Changed(*project);
    return edit_.Commit();
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
    scrollDate_ = initialDate_;
    initialDate_ = COleDateTime::Null();
    // The sibling product's files are only read: no history copy is kept.
    const bool group = IsGroupFile(path);
    HistoryCopy history(services_.Folders());
    const bool historyCopied =
        !group && history.Prepare(path, services_.Settings().saveHistory);
    if (!(group ? LoadGroupFile(path) : LoadFile(path)))
        return false;
    FinishOpen(path, historyCopied);
    return document_.HasProject();
}

// The password is asked before the project becomes the document, so that
// nothing of it is shown to a user who cannot give it.
bool DocumentCommands::LoadFile(const std::string& path) {
    services_.Backups().CopyToBackupFolder(path);
    // Single-mode files stay held from here on; shared ones are let go.
    DocumentLoader::Result loaded = DocumentLoader::Load(path, services_.FileRetry(), false);
    bool readOnly = false;
    if (loaded.failure)
        services_.Prompt().Show(*loaded.failure);
    if (!loaded.project || !AskPassword(*loaded.project, readOnly)) {
        services_.Backups().RemoveFromBackupFolder(path);
        return false;
    }
    edit_.Sweep(*loaded.project);
    document_.Open(std::move(loaded.project), std::move(loaded.accessor), path);
    document_.SetReadOnly(readOnly || HasReadOnlyMark(path));
    edit_.WarnIfUnprotected();
    return true;
}

bool DocumentCommands::AskPassword(CProject& project, bool& readOnly) {
    if (!PasswordCheck::IsProtected(project))
        return true;
    const PasswordCheck::Result result = PasswordCheck::Ask(project, services_.Prompt());
    readOnly = result == PasswordCheck::Result::kReadOnly;
    return result != PasswordCheck::Result::kRefused;
}

// A linked group is a read view of the sibling product's data: its rows are
// the members, its schedules come month by month as the chart shows them,
// nothing is written back (the document is read-only; save as keeps a
// snapshot), and the day totals, which the group's data does not carry, are
// switched off.
bool DocumentCommands::LoadGroupFile(const std::string& path) {
    auto project = std::make_unique<CProject>();
    NewProjectDefaults::Apply(*project, services_.Settings());
    auto link = std::make_unique<CGroupLink>(path, services_.Settings().group);
    if (!link->OpenGroup(*project)) {
        services_.Prompt().Show(DocumentLoader::LoadFailure(link->GetError(), path));
        return false;
    }
    services_.Settings().display.showTotal = false;
    document_.Open(std::move(project), std::move(link), path);
    document_.SetForeignData(true);
    document_.SetReadOnly(true);
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

void DocumentCommands::FinishOpen(const std::string& path, bool historyCopied) {
    CProject& project = *document_.GetProject();
    if (historyCopied)
        HistoryCopy(services_.Folders()).Finish(path, project.GetRows().GetCount() > 0);
    const ViewStatus view = ViewStatusStore(services_.Store()).Load(path);
    document_.GetViewStatus() = view;
    view_.View().ApplyViewStatus(view);
    services_.Recent().Add(path);
    if (document_.GetAccessor()->IsReadOnly())
        document_.SetReadOnly(true);
    ShowAfterOpen(view);
    if (project.GetDataVersion() < kOldDataVersion)
        services_.Prompt().Show(messages::kOldVersion.Format("1.2.0"));
}

void DocumentCommands::ShowAfterOpen(const ViewStatus& view) {
    if (scrollDate_.GetStatus() == COleDateTime::valid)
        view_.View().ScrollToDate(scrollDate_);
    else if (view.leftPos.GetStatus() == COleDateTime::valid)
        view_.View().ScrollToDate(view.leftPos);
    scrollDate_ = COleDateTime::Null();
}

void DocumentCommands::CloseDocument(bool keepViewStatus) {
    if (!document_.HasProject())
        return;
    if (edit_.IsOpen())
        edit_.EndEdit();
    const std::string path = document_.Path();
    if (keepViewStatus && !path.empty())
        SaveViewStatus(path);
    services_.Backups().RemoveFromBackupFolder(path);
    undo_.Clear();
    view_.View().ClearSelection();
    document_.Close();
}

// What the document kept since it was opened, with the window's part as it
// stands now and the time of closing.
void DocumentCommands::SaveViewStatus(const std::string& path) {
    ViewStatus status = document_.GetViewStatus();
    view_.View().CollectViewStatus(status);
    status.last = COleDateTime::GetCurrentTime();
    ViewStatusStore(services_.Store()).Save(path, status);
}

void DocumentCommands::NewDocument() {
    CloseDocument(true);
    auto project = std::make_unique<CProject>();
    NewProjectDefaults::Apply(*project, services_.Settings());
    document_.Open(std::move(project), std::make_unique<CProjectFile>(), {});
    view_.View().ApplyViewStatus(ViewStatus{});
}

bool DocumentCommands::SaveDocument() {
    CFileAccessor* accessor = document_.GetAccessor();
    CProject* project = document_.GetProject();
    if (!accessor || !project || project->IsShared())
        return false;
    if (document_.Path().empty())
        return SaveDocumentAs();
    bool saved = false;
    {
        BusyCursor busy(services_.Prompt(), true);
        accessor->Lock(project);
        view_.View().ApplyPageInput(*project);
        saved = accessor->Save(project, true);
    }
    if (!saved)
        return false;
    WriteCsvCopy(document_.Path());
    document_.MarkModified(false);
    return true;
}

// The hidden option asks for a CSV export beside every saved file.
void DocumentCommands::WriteCsvCopy(const std::string& path) {
    if (services_.Settings().CsvCopyOnSave() && companion_)
        companion_->ProjectSaved(*document_.GetProject(), path);
}

bool DocumentCommands::SaveDocumentAs() {
    CProject* project = document_.GetProject();
    if (!project)
        return false;
    const std::optional<std::string> chosen =
        services_.Prompt().ChooseFile({true, kSaveFilter, "qbd", kNewFileName});
    if (!chosen)
        return false;
    services_.Backups().RemoveFromBackupFolder(document_.Path());
    if (chosen->empty())
        return false;
    bool saved = false;
    {
        BusyCursor busy(services_.Prompt(), true);
        document_.UseAccessor(nullptr);
        auto accessor = std::make_unique<CProjectFile>(*chosen, services_.FileRetry());
        std::error_code ignored;
        std::filesystem::remove(*chosen, ignored);
        CProjectFile& file = *accessor;
        document_.UseAccessor(std::move(accessor));
        view_.View().ApplyPageInput(*project);
        saved = file.Save(project, true);
        if (!saved && project->IsShared())
            file.Lock(nullptr);
    }
    if (!saved) {
        services_.Prompt().Show(messages::kSaveFailed.Plain());
        return false;
    }
    WriteCsvCopy(*chosen);
    services_.Recent().Add(*chosen);
    document_.SavedAs(*chosen);
    // A linked group saved as our own file is a snapshot of the months read
    // so far, and from now on an ordinary document.
    if (document_.ShowsForeignData()) {
        document_.SetForeignData(false);
        document_.SetReadOnly(false);
    }
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
        services_.Prompt().ChooseFile({false, kOpenFilter, "qbd", {}});
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
    IPrompt& prompt = services_.Prompt();
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

std::unique_ptr<CFileAccessor> DocumentCommands::UntitledFile() const {
    return std::make_unique<CProjectFile>(std::string(), services_.FileRetry());
}

void DocumentCommands::DetachFromFile() {
    services_.Backups().RemoveFromBackupFolder(document_.Path());
    document_.Detach(UntitledFile());
}

void DocumentCommands::ShiftTemplate(const COleDateTime& start) {
    if (!edit_.BeginEdit())
        return;
    CProject& project = *document_.GetProject();
    TemplateShift::Apply(project, TemplateShift::DaysTo(project, start));
    edit_.EndEdit();
}

bool DocumentCommands::CommandOpenRecent(int index) {
    const std::vector<std::string>& entries = services_.Recent().Entries();
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
    if (document_.IsProjectSet() && !ConfirmProjectSetSave())
        return false;
    if (SaveDocument())
        return true;
    // A cancelled save-as dialog is not a failure to report.
    if (!document_.Path().empty())
        services_.Prompt().Show(messages::kSaveFailed.Plain());
    return false;
}

bool DocumentCommands::CommandSaveAs() {
    if (document_.IsProjectSet() && !ConfirmProjectSetSave())
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
    const std::optional<std::string> setPath = services_.Prompt().ChooseFile(
        {true, ProjectSetFile::kFilter, "qbds", "新しいプロジェクトセット.qbds"});
    if (setPath && !ProjectSetFile::Write(*setPath, *members))
        services_.Prompt().Show(messages::kSaveFailed.Plain());
    return OpenProjectSet(*members);
}

bool DocumentCommands::CommandProjectSetOpen() {
    if (AskSaveChanges() == Answer::kCancel)
        return false;
    CloseDocument(true);
    const std::optional<std::string> setPath =
        services_.Prompt().ChooseFile({false, ProjectSetFile::kFilter, "qbds", {}});
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
        services_.Prompt().ChooseFiles({false, kSaveFilter, "qbd", {}});
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
    edit_.Sweep(*combined);
    document_.Open(std::move(combined), UntitledFile(), {});
    document_.SetProjectSet(true);
    view_.View().ApplyViewStatus(ViewStatus{});
    return true;
}

std::unique_ptr<CProject> DocumentCommands::LoadMember(const std::string& path) {
    CProjectFile file(path, services_.FileRetry());
    std::unique_ptr<CProject> project = IsRegularFile(path) ? file.Load(false) : nullptr;
    file.Lock(nullptr);
    if (project)
        return project;
    if (file.GetErrorCode() == SystemError::kSharingViolation)
        services_.Prompt().Show(messages::kSetMemberLocked.Format(path));
    else
        services_.Prompt().Show(messages::kProjectSetMemberFailed.Format(path));
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
    if (!undo_.Undo(*document_.GetProject(), *fresh, services_.Prompt()))
        return false;
    RestoreFrom(std::move(fresh));
    return true;
}

bool DocumentCommands::Redo() {
    auto fresh = std::make_unique<CProject>();
    if (!undo_.Redo(*document_.GetProject(), *fresh, services_.Prompt()))
        return false;
    RestoreFrom(std::move(fresh));
    return true;
}

void DocumentCommands::RestoreFrom(std::unique_ptr<CProject> project) {
    services_.Settings().showColumns = project->IsDisplayColumns();
    document_.ReplaceProject(std::move(project));
}

void DocumentCommands::Refresh() {
    edit_.RefreshFromFile();
}

bool DocumentCommands::ConfirmProjectSetSave() {
    return services_.Prompt().Show(messages::kProjectSetNotice.Plain()) == PromptAnswer::kOk;
}

void DocumentCommands::Warn(const AppMessage& message) {
    services_.Prompt().Show(message.Plain());
}

}  // namespace qb
