#pragma once

#include "AppMessage.h"

// The numbered messages of start-up, the document commands, shared mode and
// undo. Messages without a number in the program's table carry 0.
namespace qb::messages {

using I = PromptIcon;
using B = PromptButtons;

// Start-up, folders and settings.
inline constexpr AppMessage kOsVersion{167, "OSのバージョンの取得に失敗しました。", I::kWarning,
                                       B::kOk};
inline constexpr AppMessage kNetworkProgram{
    207,
    "サーバー上に配置されたプログラム（EXEファイル）をじかに起動しましたが、これは正しい使用法では"
    "ありませ"
    "ん。この方法で利用した場合のトラブルに関しては、お客様の責任で解決して下さい。",
    I::kWarning, B::kOk};
inline constexpr AppMessage kNotOurFile{202, "Quellbrandiren 形式のファイルではありません。",
                                        I::kWarning, B::kOk};
inline constexpr AppMessage kBackupFound{
    196,
    "バックアップを検出しました。\n"
    "前回、Quellbrandiren "
    "が正常に終了しませんでした。編集を始めたときのファイルのコピーが残っています。\n"
    "OK を押すと、コピーを移した一時フォルダを開きます。このフォルダは次回の起動時に削除されます。",
    I::kWarning, B::kOk};
inline constexpr AppMessage kCleanupQuestion{
    221,
    "最近10日以上開いていないファイルの、前回開いたときの設定をレジストリから削除します。\n削除する"
    "のはスケ"
    "ール・印刷設定などで、データファイルには影響しません。\nよろしいですか？",
    I::kQuestion, B::kYesNo};
inline constexpr AppMessage kCleanupDone{222, "%d件処理しました。", I::kInformation, B::kOk};
inline constexpr AppMessage kAssociateQuestion{
    165, "拡張子*.qbdをQuellbrandirenに関連付けます。よろしいですか？", I::kQuestion, B::kOkCancel};
inline constexpr AppMessage kAssociated{166, "関連づけを行いました。", I::kInformation, B::kOk};
inline constexpr AppMessage kNoSystemText{0, "エラー内容を取得できませんでした。", I::kWarning,
                                          B::kOk};
inline constexpr AppMessage kIndentDefault{0,
                                           "この設定（段の階層の表現）は、現在のプロジェクトファイ"
                                           "ルに対してのみ有効です。\r\n今後新規に作成するプロ"
                                           "ジェクトの初期設定も、この設定を用いますか？",
                                           I::kQuestion, B::kYesNo};

// Document commands.
inline constexpr AppMessage kSaveChanges{
    147, "現在開いているデータは変更されています。保存しますか？", I::kQuestion, B::kYesNoCancel};
inline constexpr AppMessage kFileNotFound{198, "ファイルが見つかりません。", I::kWarning, B::kOk};
inline constexpr AppMessage kPathTooLong{0, "260文字を超えるパスは開けません。", I::kWarning,
                                         B::kOk};
inline constexpr AppMessage kLocked{191,
                                    "他のプロセスによりファイルがロックされているため、失敗しました"
                                    "。\n別のユーザーが同じファイルを「シングル"
                                    "モード」で開いている可能性があります。",
                                    I::kWarning, B::kOk};
inline constexpr AppMessage kVersionTooNew{0,
                                           "このバージョンのQuellbrandirenでは、指定したデータを開"
                                           "くことができません。\r\n要求バージョン = %s.0 以上",
                                           I::kWarning, B::kOk};
inline constexpr AppMessage kOldVersion{
    224,
    "このファイルは、古いバージョンのQuellbrandirenで作成されています。\n編集を行なうと、ver %s "
    "より前のQuellbrandirenでは開くことができなくなりますのでご注意下さい。",
    I::kWarning, B::kOk};
inline constexpr AppMessage kPasswordNeither{
    0, "参照制限パスワードとも編集制限パスワードとも違います。", I::kWarning, B::kOk};
inline constexpr AppMessage kPasswordWrong{0, "パスワードが違います。", I::kWarning, B::kOk};
inline constexpr AppMessage kNoSuchFile{0, "指定されたファイルは存在しません。", I::kWarning,
                                        B::kOk};
inline constexpr AppMessage kSaveFailed{243,
                                        "ファイルの保存に失敗しました。\r\nファイルが読み取り専用で"
                                        "ないか、書き込み権限があるか、確認して下さい。",
                                        I::kError, B::kOk};
inline constexpr AppMessage kProjectSetFormat{
    0, "プロジェクトセットファイルの書式が不正なため、読み込めません。", I::kWarning, B::kOk};
inline constexpr AppMessage kProjectSetMemberFailed{
    0, "以下のファイルでエラーが発生したため読み込めません。\r\nファイル名：%s", I::kWarning,
    B::kOk};
inline constexpr AppMessage kProjectSetNotice{259,
                                              "プロジェクトセットに関する注意\n"
                                              "保存すると、プロジェクトセットを組み合わせた現在の内"
                                              "容が新しいプロジェクトファイルとして書き込まれます。"
                                              "\n元のファイルは変更されません。",
                                              I::kInformation, B::kOkCancel};
inline constexpr AppMessage kImportSharedMode{258, "インポートは、シングルモードで行ってください。",
                                              I::kWarning, B::kOk};
inline constexpr AppMessage kOpenManual{205,
                                        "ユーザーズマニュアルを開いてよろしいですか？\n※PDFを開ける"
                                        "アプリケーションがインストールされていない場合"
                                        "は、表示できません。",
                                        I::kQuestion, B::kYesNo};

// Shared mode.
inline constexpr AppMessage kToSingleMode{143,
                                          "シングルモードになっている間は、他のユーザーがこのファイ"
                                          "ルを編集することはできません。よろしいですか？",
                                          I::kQuestion, B::kOkCancel};
inline constexpr AppMessage kSaveBeforeShared{
    146, "共有モードにするには、まずファイルに名前を付けて保存する必要があります。続行しますか？",
    I::kQuestion, B::kOkCancel};
inline constexpr AppMessage kToSharedMode{
    142,
    "共有モードに切り替える前に、今までの編集内容が全てファイルに書き込まれます。よろしいですか？",
    I::kQuestion, B::kOkCancel};
inline constexpr AppMessage kModeOnPage{213,
                                        "ファイルモードを変更するには、「プロジェクト情報」タブに切"
                                        "り替え、左上の切り替えボタンをクリックして下さ"
                                        "い。",
                                        I::kInformation, B::kOk};
inline constexpr AppMessage kDeleteRowsShared{
    214, "共有モードでは、「元に戻す」コマンドは利用できません。本当に段を削除してよろしいですか？",
    I::kQuestion, B::kOkCancel};
inline constexpr AppMessage kApplyAllRowsShared{
    256,
    "共有モードなので、「元に戻す」コマンドは利用できません。全ての段に反映させてよろしいですか？",
    I::kQuestion, B::kYesNo};
inline constexpr AppMessage kTargetGone{193,
                                        "操作しようとしたオブジェクトは、既に他のプロセスによって削"
                                        "除されていたため、処理できませんでした。",
                                        I::kError, B::kOk};
inline constexpr AppMessage kSomeTargetsGone{
    194,
    "操作しようとしたオブジェクトの中に、既に他のプロセスによって削除されていたため、処理できなかっ"
    "たものがあり"
    "ます。",
    I::kError, B::kOk};
inline constexpr AppMessage kRowGone{
    195, "他のプロセスにより、操作対象の段が削除されていたため、処理を中止しました。", I::kError,
    B::kOk};
inline constexpr AppMessage kEditTargetGone{
    196,
    "操作しようとしたオブジェクトは既に他のプロセスにより削除されていたため、処理を中止しました。",
    I::kError, B::kOk};
inline constexpr AppMessage kSomeDraggedGone{
    197,
    "操作しようとしたオブジェクトのうちいくつかが既に他のプロセスにより削除されていたため、処理を中"
    "止しました。",
    I::kError, B::kOk};
inline constexpr AppMessage kParentRowGone{
    199, "他のプロセスによって親の段が削除されていたため、処理を中止します。", I::kError, B::kOk};
inline constexpr AppMessage kMoveIntoOwnBranch{200,
                                               "他のプロセスによる編集の結果、指定した段自身の子孫"
                                               "階層へ移動することになるため、処理を中止します。",
                                               I::kError, B::kOk};
inline constexpr AppMessage kInsertMarkGone{233,
                                            "挿入位置を示すために選択していた段が、他のプロセスによ"
                                            "って削除されていたため、処理を中止しました。",
                                            I::kError, B::kOk};
inline constexpr AppMessage kLinkEndGone{
    0, "リンクするオブジェクトが他のプロセスにより削除されていたため、処理を中止しました。",
    I::kError, B::kOk};
inline constexpr AppMessage kSetMemberLocked{
    249,
    "以下のファイルは、他のプロセスによりファイルがロックされているため、読み込めません。\n別のユー"
    "ザーが「シ"
    "ングルモード」で開いている可能性があります。\n\nファイル名：%s",
    I::kWarning, B::kOk};
inline constexpr AppMessage kSharedModeUnsafe{
    0,
    "このファイルの置かれた場所では、他のコンピューターからの編集を防げないため、共有モードに"
    "できません。\n%s\n共有モードは、ローカルディスク、NFS、SMB/CIFS の共有フォルダーで使用して"
    "下さい。",
    I::kWarning, B::kOk};
inline constexpr AppMessage kSharedFileUnsafe{
    0,
    "このファイルは共有モードですが、置かれた場所では他のコンピューターからの編集を防げません。"
    "複数のコンピューターで同時に編集すると、変更が失われるおそれがあります。\n%s\n"
    "シングルモードに切り替えるか、ファイルを別の場所に移して下さい。",
    I::kWarning, B::kOk};
inline constexpr AppMessage kLockNotSupported{
    0, "理由：ファイルシステム（%s）がファイルのロックに対応していません。", I::kWarning, B::kOk};
inline constexpr AppMessage kLockThisComputer{
    0, "理由：ファイルシステム（%s）では、ファイルのロックがこのコンピューターの中でしか効きません。",
    I::kWarning, B::kOk};

// Undo and redo.
inline constexpr AppMessage kUndoNamed{
    153, "現在の元に戻す(Undo)対象の操作は、%s です。よろしいですか？", I::kQuestion, B::kOkCancel};
inline constexpr AppMessage kRedoNamed{
    154, "現在のやり直し(Redo)の対象の操作は、%s です。よろしいですか？", I::kQuestion,
    B::kOkCancel};

// Commands whose work arrives with a later part of the program.
inline constexpr AppMessage kBadDate{0, "日付が正しくありません。", I::kWarning, B::kOk};
inline constexpr AppMessage kNotYetAvailable{0, "この機能はまだ利用できません。", I::kInformation,
                                             B::kOk};

// Clipboard.
inline constexpr AppMessage kClipboardReadFailed{
    164, "クリップボードからの読み込みに失敗しました。", I::kWarning, B::kOk};
inline constexpr AppMessage kDuplicateHeadings{
    254,
    "見出しが重複している列があるため、列の内容が正常に貼り付けできない（入れ替わる）可能性があり"
    "ます。それでも貼り付けを続行しますか？",
    I::kQuestion, B::kYesNo};
inline constexpr AppMessage kPasteRowContents{
    232, "コピーされた段に存在するスケジュールやメモも貼り付けますか？", I::kQuestion, B::kYesNo};

}  // namespace qb::messages
