#include "ProjectPageInput.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "AppMessages.h"
#include "AppServices.h"
#include "CProject.h"
#include "DateEntry.h"
#include "DateText.h"
#include "NewProjectDefaults.h"
#include "PasswordDigest.h"
#include "TextCodec.h"

namespace qb {
namespace {

constexpr const char* kIndent = "_Indent";
constexpr const char* kRenban = "_Renban";
constexpr const char* kHeader = "_Header";
constexpr const char* kHeaderPos = "_HeaderPos";
constexpr const char* kFooter = "_Footer";
constexpr const char* kFooterPos = "_FooterPos";
constexpr const char* kPrintSigns = "_PrintSigns";
constexpr const char* kPrintSignsP1 = "_PrintSignsP1";

bool IsDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// An input method gives full-width digits and slashes ("２０２７／４／１").
std::string Narrowed(const std::string& text) {
    std::string narrow;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        if (i + 2 < text.size() && byte(i) == 0xEF && byte(i + 1) == 0xBC && byte(i + 2) >= 0x8F &&
            byte(i + 2) <= 0x99) {
            narrow += static_cast<char>('/' + (byte(i + 2) - 0x8F));
            i += 2;
        } else if (text[i] != ' ') {
            narrow += text[i];
        }
    }
    return narrow;
}

std::vector<std::string> SplitDate(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '/' || c == '-')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// "2027/4/1", "2027-04-01" or "20270401"; null for no text, invalid for a
// text that names no day.
COleDateTime ParsePeriodDate(const std::string& typed) {
    const std::string text = Narrowed(typed);
    if (text.empty())
        return COleDateTime::Null();
    std::string compact = text;
    if (text.find_first_of("/-") != std::string::npos) {
        const std::vector<std::string> parts = SplitDate(text);
        if (parts.size() != 3 || !std::all_of(parts.begin(), parts.end(), [](const auto& part) {
                return IsDigits(part) && part.size() <= 4;
            }))
            return COleDateTime::Invalid();
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", std::stoi(parts[0]),
                      std::stoi(parts[1]), std::stoi(parts[2]));
        compact = buffer;
    }
    if (compact.size() != 8 || !IsDigits(compact) || !DateEntry::IsValidCompactDate(compact))
        return COleDateTime::Invalid();
    return DateEntry::ParseCompactDate(compact);
}

// Values above 3 number like the tree numbering; below 0 like none.
int NumberingOf(int renban) {
    if (renban == ProjectPageInput::kTreeNotIndented)
        return renban;
    return std::clamp(renban, 0, static_cast<int>(ProjectPageInput::kTree));
}

// Files also mark an unset period end with the zero date.
std::string PeriodText(const COleDateTime& day) {
    if (!day.IsValid() || day.GetDays() == 0.0)
        return {};
    return DateText::SlashDate(day, true, false);
}

}  // namespace

ProjectPageInput::Fields ProjectPageInput::FieldsOf(const CProject& project) {
    Fields fields;
    fields.title = project.GetTitle();
    fields.indented = project.GetParamInt(kIndent, 0) > 0;
    fields.numbering = NumberingOf(project.GetParamInt(kRenban, 0));
    fields.header = project.GetParam(kHeader);
    fields.headerPosition = std::clamp(project.GetParamInt(kHeaderPos, kLeft), 0, 2);
    fields.footer = project.GetParam(kFooter);
    fields.footerPosition = std::clamp(project.GetParamInt(kFooterPos, kLeft), 0, 2);
    fields.printSigns = project.GetParamBool(kPrintSigns, false);
    fields.signsOnFirstPageOnly = project.GetParamBool(kPrintSignsP1, false);
    fields.periodFrom = PeriodText(project.GetDisplayStartDate());
    fields.periodTo = PeriodText(project.GetDisplayEndDate());
    return fields;
}

void ProjectPageInput::Fill(const CProject* project) {
    filled_ = project ? FieldsOf(*project) : Fields{};
    typed_ = filled_;
    viewPassword_ = Password{};
    editPassword_ = Password{};
    hasViewPassword_ = project && !project->GetViewPassword().empty();
    hasEditPassword_ = project && !project->GetEditPassword().empty();
}

void ProjectPageInput::Refresh(const CProject& project) {
    const Fields fresh = FieldsOf(project);
    const auto follow = [this](auto Fields::*field, const Fields& from) {
        if (typed_.*field == filled_.*field)
            typed_.*field = from.*field;
        filled_.*field = from.*field;
    };
    follow(&Fields::title, fresh);
    follow(&Fields::indented, fresh);
    follow(&Fields::numbering, fresh);
    follow(&Fields::header, fresh);
    follow(&Fields::headerPosition, fresh);
    follow(&Fields::footer, fresh);
    follow(&Fields::footerPosition, fresh);
    follow(&Fields::printSigns, fresh);
    follow(&Fields::signsOnFirstPageOnly, fresh);
    follow(&Fields::periodFrom, fresh);
    follow(&Fields::periodTo, fresh);
    hasViewPassword_ = !project.GetViewPassword().empty();
    hasEditPassword_ = !project.GetEditPassword().empty();
}

void ProjectPageInput::Revert() {
    typed_ = filled_;
    viewPassword_ = Password{};
    editPassword_ = Password{};
}

void ProjectPageInput::ChooseIndented(bool indented) {
    typed_.indented = indented;
    AppSettings& settings = services_.Settings();
    // The question only matters when its Yes would change the default.
    if (settings.indentDef == indented)
        return;
    if (services_.Prompt().Show(messages::kIndentDefault.Plain()) != PromptAnswer::kYes)
        return;
    settings.indentDef = indented;
    services_.SaveSettings();
}

bool ProjectPageInput::HasUnappliedInput() const {
    return typed_ != filled_ || !viewPassword_.IsEmpty() || !editPassword_.IsEmpty();
}

bool ProjectPageInput::Check() const {
    return CheckPeriod() && CheckPassword(viewPassword_) && CheckPassword(editPassword_);
}

bool ProjectPageInput::CheckPeriod() const {
    const COleDateTime from = ParsePeriodDate(typed_.periodFrom);
    const COleDateTime to = ParsePeriodDate(typed_.periodTo);
    if (from.GetStatus() == COleDateTime::invalid || to.GetStatus() == COleDateTime::invalid)
        return Refuse(kBadPeriodDate);
    if (from.IsValid() && to.IsValid() && to < from)
        return Refuse(kPeriodReversed);
    return true;
}

bool ProjectPageInput::CheckPassword(const Password& password) const {
    if (password.remove)
        return true;
    if (password.typed != password.confirmation)
        return Refuse(kPasswordMismatch);
    // Two passwords that differ only in such characters would open alike.
    if (!TextCodec::FitsCp932(password.typed))
        return Refuse(kPasswordCharacters);
    return true;
}

bool ProjectPageInput::Refuse(const AppMessage& message) const {
    services_.Prompt().Show(message.Plain());
    return false;
}

bool ProjectPageInput::Apply(CProject& project) {
    if (!HasUnappliedInput())
        return true;
    if (!Check())
        return false;
    ApplyFields(project);
    ApplyPeriod(project);
    ApplyPassword(viewPassword_, project, true);
    ApplyPassword(editPassword_, project, false);
    filled_ = typed_;
    hasViewPassword_ = !project.GetViewPassword().empty();
    hasEditPassword_ = !project.GetEditPassword().empty();
    return true;
}

void ProjectPageInput::ApplyFields(CProject& project) const {
    if (typed_.title != filled_.title)
        project.SetTitle(typed_.title);
    if (typed_.indented != filled_.indented)
        project.SetParamInt(kIndent, typed_.indented ? NewProjectDefaults::kIndentWidth : 0);
    if (typed_.numbering != filled_.numbering)
        project.SetParamInt(kRenban, typed_.numbering);
    if (typed_.header != filled_.header)
        project.SetParam(kHeader, typed_.header);
    if (typed_.headerPosition != filled_.headerPosition)
        project.SetParamInt(kHeaderPos, typed_.headerPosition);
    if (typed_.footer != filled_.footer)
        project.SetParam(kFooter, typed_.footer);
    if (typed_.footerPosition != filled_.footerPosition)
        project.SetParamInt(kFooterPos, typed_.footerPosition);
    if (typed_.printSigns != filled_.printSigns)
        project.SetParamBool(kPrintSigns, typed_.printSigns);
    if (typed_.signsOnFirstPageOnly != filled_.signsOnFirstPageOnly)
        project.SetParamBool(kPrintSignsP1, typed_.signsOnFirstPageOnly);
}

void ProjectPageInput::ApplyPeriod(CProject& project) const {
    if (typed_.periodFrom != filled_.periodFrom)
        project.SetDisplayStartDate(ParsePeriodDate(typed_.periodFrom));
    if (typed_.periodTo != filled_.periodTo)
        project.SetDisplayEndDate(ParsePeriodDate(typed_.periodTo));
}

// An empty field leaves the stored password as it is; removing it is asked
// for separately, so that a field left blank never lifts a protection.
void ProjectPageInput::ApplyPassword(Password& password, CProject& project, bool view) {
    if (password.IsEmpty())
        return;
    std::string digest = password.remove ? std::string() : PasswordDigest::Of(password.typed);
    if (view)
        project.SetViewPassword(std::move(digest));
    else
        project.SetEditPassword(std::move(digest));
    password = Password{};
}

}  // namespace qb
