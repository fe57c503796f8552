#include "MemoForm.h"

#include <gtest/gtest.h>

#include <memory>

#include "CMemo.h"
#include "ObjectText.h"

namespace qb {
namespace {

std::unique_ptr<CMemo> Unusual() {
    auto unusual = std::make_unique<CMemo>(11);
    CMemo& memo = *unusual;
    memo.SetText("確認事項\n・図面");
    memo.SetXDate(COleDateTime(2017, 2, 24, 0, 0, 0));
    memo.SetXOffset(300);
    memo.SetYRowId(2);
    memo.SetYOffset(6);
    memo.SetBgColor(0x80FFFF);
    memo.SetBgPaint(false);
    memo.SetTextColor(0x0000FF);
    memo.SetHAlign(2);
    memo.SetVAlign(0);
    memo.SetBorderPen(CPenInfo(5, 2, 0x123456));
    memo.SetWidth(120);
    memo.SetHeight(40);
    return unusual;
}

TEST(MemoForm, EveryShownValueComesBackAndThePlaceStays) {
    const auto unusual = Unusual();
    const CMemo& original = *unusual;
    const MemoForm form(original);
    ASSERT_FALSE(form.Check());
    CMemo copy(11);
    copy.SetXDate(original.GetXDate());
    copy.SetXOffset(original.GetXOffset());
    copy.SetYRowId(original.GetYRowId());
    copy.SetYOffset(original.GetYOffset());
    form.Apply(copy);
    EXPECT_EQ(ObjectText::Write(copy), ObjectText::Write(original));
}

TEST(MemoForm, RefusesSizesThatWouldLoseTheMemo) {
    const struct {
        void (*edit)(MemoForm&);
        const char* refusal;
    } cases[] = {
        {[](MemoForm& f) { f.width = "1"; }, nullptr},
        {[](MemoForm& f) { f.height = "9999"; }, nullptr},
        {[](MemoForm& f) { f.width = "0"; }, "メモの幅は、1～9999で指定してください。"},
        {[](MemoForm& f) { f.width = ""; }, "メモの幅は、1～9999で指定してください。"},
        {[](MemoForm& f) { f.height = "10000"; }, "メモの高さは、1～9999で指定してください。"},
        {[](MemoForm& f) { f.borderPen.SetWidth(-1); }, "枠線の太さは、0～20で指定してください。"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        MemoForm form(*Unusual());
        cases[i].edit(form);
        const auto refusal = form.Check();
        if (cases[i].refusal == nullptr) {
            EXPECT_FALSE(refusal) << i;
        } else {
            ASSERT_TRUE(refusal) << i;
            EXPECT_EQ(refusal->text, cases[i].refusal) << i;
        }
    }
}

}  // namespace
}  // namespace qb
