#pragma once

#include "AppMessage.h"
#include "DatePeriod.h"
#include "ICommandGroup.h"
#include "PrintEngine.h"

namespace qb {

class CStatus;
class IPrintUi;

// File/印刷設定 (40165), File/印刷プレビュー (40018), File/印刷 (40019) and
// Edit/線表全体を画像としてコピー (40060), over one print engine whose settings
// follow the open file's view status.
class PrintCommands : public ICommandGroup {
public:
    static constexpr AppMessage kNoPrinter{0, "プリンタが選択されていません。",
                                           PromptIcon::kWarning, PromptButtons::kOk};
    static constexpr AppMessage kDatesReversed{130, "日付の指定が前後しています。",
                                               PromptIcon::kWarning, PromptButtons::kOk};
    static constexpr AppMessage kStampOverlap{
        0,
        "検印欄を印刷する場合、ヘッダー文字を右上にすると重なります。このまま印刷してよろしいですか"
        "？"
        "\r\n修正する場合は、メイン画面に戻り「プロジェクト情報タブ」で修正します。",
        PromptIcon::kQuestion, PromptButtons::kYesNo};
    static constexpr AppMessage kCopied{119, "クリップボードにコピーしました。",
                                        PromptIcon::kInformation, PromptButtons::kOk};
    static constexpr AppMessage kCopyFailed{0, "コピーに失敗しました。", PromptIcon::kWarning,
                                            PromptButtons::kOk};

    PrintCommands(CStatus& status, IPrintUi& ui);

    // Hands the commands to the status's command handler; the ui must
    // outlive it. The engine stays reachable through the returned pointer.
    static PrintCommands* Attach(CStatus& status, IPrintUi& ui);

    bool Handles(int id) const override;
    CommandState State(int id) const override;
    bool Execute(int id) override;

    // The settings dialog's checks on OK, in order; false keeps it open.
    bool AcceptSettings(const PrintSettings& settings);
    // The open project as the window shows it now.
    PrintEngine::Source CurrentSource();
    PrintEngine& Engine() { return engine_; }

private:
    bool Setup();
    bool Preview();
    bool Print();
    bool CopyPicture();
    // The settings dialog; false on Cancel.
    bool EditSettings(bool forPrint);
    void LoadViewStatus();
    // The file's load graph goes on the pages while the window shows it.
    void LoadGraph();
    DatePeriod ScreenPeriod(const PrintEngine::Source& source);

    CStatus& status_;
    IPrintUi& ui_;
    PrintEngine engine_;
};

}  // namespace qb
