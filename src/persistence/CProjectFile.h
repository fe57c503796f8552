#pragma once

#include <memory>
#include <string>

#include "CFileAccessor.h"
#include "LockedFile.h"
#include "OpenRetryPolicy.h"

namespace qb {

// The file handle of a native project document. Holding the file means
// holding it exclusively: in single mode from loading until it is let go, in
// shared mode only for one read or one write. Every save replaces the file
// with a complete new one, so a crash never leaves a damaged file behind.
// While it holds the file a note beside it names the holder, and a refusal
// because another process holds the file names that process's user.
class CProjectFile : public CFileAccessor {
public:
    static constexpr const char* kNoPathMessage = "ファイルパスが指定されていません。";
    static constexpr const char* kNoProjectMessage =
        "書き込むべきCProjectデータが引数に設定されていません。";
    static constexpr const char* kReadOnlyMessage =
        "ファイルに対する書き込み権限がないか、読み取り専用ファイルのため、失敗しました。";
    static constexpr const char* kDamagedMessage =
        "ファイルの上書き中に書き込みが失敗し、元の内容に戻すこともできませんでした。"
        "ファイルが壊れている可能性があります。別の名前で保存して下さい。";
    // Followed by the path of the copy.
    static constexpr const char* kRescuedMessage =
        "ファイルを新しい内容に置き換えられませんでした。元のファイルはサーバー上で削除され、"
        "保存した内容は次のファイルに残っています。\r\n";

    explicit CProjectFile(std::string path = {}, OpenRetryPolicy retry = {});
    ~CProjectFile() override;

    bool Lock(CProject* project) override;
    bool Save(const CProject* project, bool force) override;
    std::unique_ptr<CProject> Load(bool keepOpen) override;
    bool IsReadOnly() const override;

    // A different path lets the held file go first.
    void SetPath(std::string path);
    const std::string& GetPath() const { return path_; }
    // Reads the file into project (replacing its content) and keeps holding
    // the file on success.
    bool ReadInto(CProject& project);
    bool IsOpen() const { return file_ != nullptr; }
    // The file operations later opens and saves go through (the system's own
    // unless set); they must outlive this handle.
    void SetFileOperations(IFileOperations& files) { files_ = &files; }
    // How far the file's lock reached when the file was last held: whether
    // other computers are kept out too. Before the first hold it is taken
    // for granted.
    const FileLock::Scope& GetLockScope() const { return file_ ? file_->GetScope() : lastScope_; }

private:
    bool Open(LockedFile::Mode purpose);
    bool ReadHeld(CProject& target);
    void Close();
    void SetOpenError(std::uint32_t code);
    void SetWriteError(std::uint32_t code);

    std::string path_;
    OpenRetryPolicy retry_;
    std::unique_ptr<LockedFile> file_;
    FileLock::Scope lastScope_;
    IFileOperations* files_ = &PosixFileOperations::Instance();
};

}  // namespace qb
