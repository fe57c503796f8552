#include "FavouriteShapesForm.h"

#include <stdexcept>

#include "AppServices.h"
#include "AppSettings.h"
#include "CScheduleStyle.h"
#include "CStatus.h"
#include "CStyleData.h"
#include "EditSession.h"
#include "Palette.h"
#include "StyleFile.h"

namespace qb {
namespace {

constexpr const char* kFilter = "よく使う形状ファイル (*.xml)|*.xml|全てのファイル (*.*)|*.*||";
constexpr const char* kExtension = "xml";
constexpr const char* kUntitled = "無題";

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

// Why values cannot be a favourite shape, or null when they can.
const char* ValueProblem(const CScheduleStyle& values) {
    const bool point = values.GetScheduleType() != 0;
    if (!InRange(values.GetScheduleType(), 0, 1))
        return "形状の種類は、線・バーか点で指定してください。";
    if (!InRange(values.GetSubType(), 0, point ? 6 : 1))
        return point ? "点の形は0～6で指定してください。" : "線型の形状は0か1で指定してください。";
    if (!point && !InRange(values.GetHeight(), 1, 100))
        return "高さは1～100で指定してください。";
    if (!InRange(values.GetEdgePen().GetWidth(), 1, 7))
        return "縁の太さは、1～7で指定してください。";
    if (!InRange(values.GetEdgePen().GetStyle(), 0, 4))
        return "縁の線種が正しくありません。";
    if (!InRange(values.GetStartEdgeType(), 0, 4) || !InRange(values.GetEndEdgeType(), 0, 4))
        return "端点は、0～4で指定してください。";
    if (!InRange(values.GetCaptionPosition(), point ? 1 : 0, 4))
        return point ? "点型の形状では、文字位置は1～4で指定してください。"
                     : "文字位置は0～4で指定してください。";
    return nullptr;
}

// The style data's own copy leaves its styles behind; they are copied one by one.
std::unique_ptr<CStyleData> CopyOf(const CStyleData& styles) {
    auto copy = std::make_unique<CStyleData>();
    copy->CopyFrom(styles);
    styles.GetStyles().ForEach(
        [&copy](const CScheduleStyle& style) { copy->GetStyles().Add(style.Clone()); });
    return copy;
}

}  // namespace

FavouriteShapesForm::FavouriteShapesForm(CStatus& status)
    : settings_(status.Services().Settings()),
      palette_(status.GetPalette()),
      prompt_(status.Services().Prompt()),
      status_(status) {
    Reset(std::make_unique<CStyleData>(), {});
    if (!settings_.defStyleFile.empty())
        Load(settings_.defStyleFile);
}

FavouriteShapesForm::~FavouriteShapesForm() = default;

std::string FavouriteShapesForm::FileName() const {
    if (path_.empty())
        return kUntitled;
    const std::size_t slash = path_.find_last_of('/');
    return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

bool FavouriteShapesForm::IsDefaultFile() const {
    return !path_.empty() && path_ == settings_.defStyleFile;
}

int FavouriteShapesForm::Count() const {
    return styles_->GetStyles().GetCount();
}

const CScheduleStyle& FavouriteShapesForm::Style(int index) const {
    CheckIndex(index);
    return *styles_->GetStyles().At(index);
}

bool FavouriteShapesForm::NewFile() {
    if (!AskToSave())
        return false;
    Reset(std::make_unique<CStyleData>(), {});
    return true;
}

bool FavouriteShapesForm::OpenFile() {
    if (!AskToSave())
        return false;
    const std::optional<std::string> chosen = prompt_.ChooseFile({false, kFilter, kExtension, {}});
    return chosen && Load(*chosen);
}

bool FavouriteShapesForm::OpenPath(const std::string& path) {
    return AskToSave() && Load(path);
}

bool FavouriteShapesForm::Save() {
    return path_.empty() ? SaveAs() : WriteTo(path_);
}

bool FavouriteShapesForm::SaveAs() {
    const std::string initial = path_.empty() ? std::string("よく使う形状.xml") : path_;
    const std::optional<std::string> chosen =
        prompt_.ChooseFile({true, kFilter, kExtension, initial});
    return chosen && WriteTo(*chosen);
}

bool FavouriteShapesForm::MakeDefault() {
    if ((modified_ || path_.empty()) && !Save())
        return false;
    settings_.defStyleFile = path_;
    status_.Services().SaveSettings();
    palette_.SetFavourites(CopyOf(*saved_));
    return true;
}

bool FavouriteShapesForm::Close() {
    if (!AskToSave())
        return false;
    if (IsDefaultFile())
        palette_.SetFavourites(CopyOf(*saved_));
    return true;
}

int FavouriteShapesForm::AddFromPalette(int paletteIndex) {
    std::unique_ptr<CScheduleStyle> style = palette_.ShapeLook(paletteIndex);
    style->SetKey(UniqueName(style->GetKey()));
    styles_->GetStyles().Add(std::move(style));
    modified_ = true;
    return Count() - 1;
}

int FavouriteShapesForm::AddCurrentShape() {
    return AddFromPalette(palette_.CurrentShapeIndex());
}

bool FavouriteShapesForm::Remove(int index) {
    CheckIndex(index);
    styles_->GetStyles().RemoveAt(index);
    modified_ = true;
    return true;
}

int FavouriteShapesForm::MoveUp(int index) {
    CheckIndex(index);
    if (index == 0)
        return index;
    auto& array = styles_->GetStyles();
    array.InsertAt(index - 1, array.RemoveAt(index));
    modified_ = true;
    return index - 1;
}

int FavouriteShapesForm::MoveDown(int index) {
    CheckIndex(index);
    if (index == Count() - 1)
        return index;
    auto& array = styles_->GetStyles();
    array.InsertAt(index + 1, array.RemoveAt(index));
    modified_ = true;
    return index + 1;
}

bool FavouriteShapesForm::Rename(int index, const std::string& name) {
    CheckIndex(index);
    if (name.empty())
        return Refuse("名前を入力してください。");
    const int other = IndexOfName(name);
    if (other == index)
        return true;
    if (other >= 0)
        return Refuse("「" + name +
                      "」という名前の形状はすでにあります。別の名前を付けてください。");
    styles_->GetStyles().At(index)->SetKey(name);
    modified_ = true;
    return true;
}

bool FavouriteShapesForm::Update(int index, const CScheduleStyle& values) {
    CheckIndex(index);
    if (const char* problem = ValueProblem(values))
        return Refuse(problem);
    CScheduleStyle& style = *styles_->GetStyles().At(index);
    const std::string key = style.GetKey();
    style.CopyFrom(values);
    style.SetKey(key);
    modified_ = true;
    return true;
}

// Yes saves (a failed save keeps the editor where it is), No drops the
// changes, Cancel stops whatever asked.
bool FavouriteShapesForm::AskToSave() {
    if (!modified_)
        return true;
    const PromptAnswer answer = prompt_.Show({0, "「" + FileName() + "」への変更を保存しますか？",
                                              PromptIcon::kQuestion, PromptButtons::kYesNoCancel});
    if (answer == PromptAnswer::kYes)
        return Save();
    return answer == PromptAnswer::kNo;
}

bool FavouriteShapesForm::Load(const std::string& path) {
    StyleFile file;
    std::unique_ptr<CStyleData> styles = file.ReadStyleFile(path);
    if (!styles) {
        if (const auto message = EditSession::ErrorMessage(file.GetError()))
            prompt_.Show(*message);
        return false;
    }
    // Tombstones and empty slots are never written; drop them here too.
    auto& array = styles->GetStyles();
    for (int i = array.GetCount() - 1; i >= 0; --i) {
        if (array.At(i) == nullptr || array.At(i)->IsDeleted())
            array.RemoveAt(i);
    }
    Reset(std::move(styles), path);
    return true;
}

bool FavouriteShapesForm::WriteTo(const std::string& path) {
    StyleFile file;
    if (!file.WriteStyleFile(path, *styles_)) {
        if (const auto message = EditSession::ErrorMessage(file.GetError()))
            prompt_.Show(*message);
        return false;
    }
    path_ = path;
    saved_ = CopyOf(*styles_);
    modified_ = false;
    return true;
}

void FavouriteShapesForm::Reset(std::unique_ptr<CStyleData> styles, const std::string& path) {
    saved_ = CopyOf(*styles);
    styles_ = std::move(styles);
    path_ = path;
    modified_ = false;
}

std::string FavouriteShapesForm::UniqueName(const std::string& base) const {
    const std::string stem = base.empty() ? std::string("形状") : base;
    std::string name = stem;
    for (int n = 2; IndexOfName(name) >= 0; ++n)
        name = stem + " (" + std::to_string(n) + ")";
    return name;
}

int FavouriteShapesForm::IndexOfName(const std::string& name) const {
    for (int i = 0; i < Count(); ++i) {
        if (styles_->GetStyles().At(i)->GetKey() == name)
            return i;
    }
    return -1;
}

void FavouriteShapesForm::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("favourite shape index");
}

bool FavouriteShapesForm::Refuse(const std::string& text) {
    prompt_.Show({0, text, PromptIcon::kWarning, PromptButtons::kOk});
    return false;
}

}  // namespace qb
