#pragma once

#include <memory>
#include <string>

#include "IPrompt.h"

namespace qb {

class AppSettings;
class CScheduleStyle;
class CStatus;
class CStyleData;
class Palette;

// "よく使う形状エディタ": one favourite-shapes file at a time, its styles in
// order, each with a unique name. The dialog shows the list and calls these;
// every refusal and failure reaches the user through the prompt, and nothing
// already typed is lost by a failed save or open.
class FavouriteShapesForm {
public:
    // Starts on the settings' default file when there is one (an unreadable
    // one is reported and the editor starts on a new, empty file).
    explicit FavouriteShapesForm(CStatus& status);
    ~FavouriteShapesForm();
    FavouriteShapesForm(const FavouriteShapesForm&) = delete;
    FavouriteShapesForm& operator=(const FavouriteShapesForm&) = delete;

    // The file being edited; empty for a new file not saved yet.
    const std::string& Path() const { return path_; }
    // "無題" for a new file, else the file's name without its folder.
    std::string FileName() const;
    bool IsModified() const { return modified_; }
    // The file the palette shows its favourites from.
    bool IsDefaultFile() const;

    // The palette whose shapes can be copied in.
    const Palette& GetPalette() const { return palette_; }

    int Count() const;
    // The style at index; an index outside the list throws std::out_of_range.
    const CScheduleStyle& Style(int index) const;

    // Each of these first asks about unsaved changes; false when the user
    // cancels or the file cannot be read (the current file stays).
    bool NewFile();
    bool OpenFile();
    bool OpenPath(const std::string& path);
    bool Save();
    bool SaveAs();
    // Saves when needed, then makes this file the default one: the settings
    // are written at once and the palette lists its styles.
    bool MakeDefault();
    // Asks about unsaved changes; true when the editor may close. The
    // palette then takes the file's saved styles when it is the palette's.
    bool Close();

    // Appends a copy of a palette shape (its look in the palette's colours)
    // under a name not used yet; the new index.
    int AddFromPalette(int paletteIndex);
    int AddCurrentShape();
    bool Remove(int index);
    // The style's new index (unchanged at either end of the list).
    int MoveUp(int index);
    int MoveDown(int index);
    // Refuses an empty name and one another style has.
    bool Rename(int index, const std::string& name);
    // Takes the look of values (the name stays); values out of range are
    // refused with a message and nothing changes.
    bool Update(int index, const CScheduleStyle& values);

private:
    bool AskToSave();
    bool Load(const std::string& path);
    bool WriteTo(const std::string& path);
    void Reset(std::unique_ptr<CStyleData> styles, const std::string& path);
    std::string UniqueName(const std::string& base) const;
    int IndexOfName(const std::string& name) const;
    void CheckIndex(int index) const;
    bool Refuse(const std::string& text);

    AppSettings& settings_;
    Palette& palette_;
    IPrompt& prompt_;
    CStatus& status_;
    std::unique_ptr<CStyleData> styles_;
    // The file's styles as last read or written, for the palette.
    std::unique_ptr<CStyleData> saved_;
    std::string path_;
    bool modified_ = false;
};

}  // namespace qb
