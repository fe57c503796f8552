#pragma once

#include <memory>

#include "AppServices.h"
#include "Document.h"
#include "Palette.h"
#include "SessionChart.h"
#include "UndoHistory.h"
#include "ViewLink.h"

namespace qb {

class CCommandHandler;
class ChartEdits;
class ColumnEdits;
class EditSession;
class IChartEdits;
class IDocumentView;
class IPrompt;
class IShell;
class ISettingsStore;
class RowEdits;

// The application state for the life of the process: the open document, the
// services around it (settings, folders, log, prompt), the undo history, the
// edit transaction, the command handler and the view state that is not the
// document's. Settings are read when it is built and written when it ends.
class CStatus {
public:
    enum ViewMode { kProjectPage = 0, kDayView = 1, kMonthView = 2, kYearView = 3 };
    // The chart's edit mode, one for the application: normal, memo input
    // ("メモ入力モード") or drag selection ("ドラッグ選択モード").
    enum EditMode { kNormalMode = 0, kMemoInputMode = 1, kDragSelectMode = 2 };

    CStatus(ISettingsStore& store, IPrompt& prompt, IShell& shell, AppEnvironment environment);
    ~CStatus();
    CStatus(const CStatus&) = delete;
    CStatus& operator=(const CStatus&) = delete;

    // Writes the settings now (also done when the state ends).
    void SaveSettings();

    Document& Doc() { return document_; }
    const Document& Doc() const { return document_; }
    AppServices& Services() { return services_; }
    const AppServices& Services() const { return services_; }
    UndoHistory& Undo() { return undo_; }
    EditSession& Edit() { return *edit_; }
    // The chart's changes to schedules, memos and links.
    IChartEdits& ChartEdit();
    // The changes to the row tree and to the column area's data.
    RowEdits& RowEdit() { return *rowEdits_; }
    ColumnEdits& ColumnEdit() { return *columnEdits_; }
    CCommandHandler& Commands() { return *commands_; }
    ViewLink& Views() { return view_; }
    IDocumentView& View() { return view_.View(); }
    // The window registers itself; without one a view that shows nothing.
    void SetView(IDocumentView* view) { view_.Set(view); }

    // Shorthands for what the window reads most.
    CProject* GetProject() const { return document_.GetProject(); }
    bool HasDocument() const { return document_.HasProject(); }
    bool IsShared() const { return document_.IsShared(); }

    // The tab shown: project page, day, month or year chart.
    int GetViewMode() const { return viewMode_; }
    void SetViewMode(int mode) { viewMode_ = mode; }
    // The progress line is drawn (not kept between runs).
    bool IsShowingLightning() const { return showLightning_; }
    void SetShowLightning(bool show) { showLightning_ = show; }
    // The progress line's reference date and temporary ruler bands.
    SessionChart& Session() { return session_; }
    const SessionChart& Session() const { return session_; }
    // The shapes, lines and colours new chart objects take.
    Palette& GetPalette() { return palette_; }
    const Palette& GetPalette() const { return palette_; }
    int GetEditMode() const { return editMode_; }
    void SetEditMode(int mode) { editMode_ = mode; }

private:
    AppServices services_;
    UndoHistory undo_;
    ViewLink view_;
    Document document_;
    SessionChart session_;
    Palette palette_;
    std::unique_ptr<EditSession> edit_;
    std::unique_ptr<ChartEdits> chartEdits_;
    std::unique_ptr<RowEdits> rowEdits_;
    std::unique_ptr<ColumnEdits> columnEdits_;
    std::unique_ptr<CCommandHandler> commands_;
    int viewMode_ = kMonthView;
    bool showLightning_ = false;
    int editMode_ = kNormalMode;
};

}  // namespace qb
