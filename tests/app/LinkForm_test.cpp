#include "LinkForm.h"

#include <gtest/gtest.h>

#include "CLink.h"
#include "MemoForm.h"
#include "ObjectText.h"

namespace qb {
namespace {

TEST(LinkForm, EveryShownValueComesBackAndTheEndsStay) {
    CLink original(9);
    original.SetFromId(3);
    original.SetToId(4);
    original.SetLinePen(CPenInfo(1, 2, 0x00FF00));
    original.SetFromEndStyle(3);
    original.SetToEndStyle(1);
    original.SetFromHorzPosition(0);
    original.SetFromVertPosition(2);
    original.SetToHorzPosition(2);
    original.SetToVertPosition(0);
    const LinkForm form(original);
    ASSERT_FALSE(form.Check());
    CLink copy(9);
    copy.SetFromId(3);
    copy.SetToId(4);
    form.Apply(copy);
    EXPECT_EQ(ObjectText::Write(copy), ObjectText::Write(original));
}

TEST(LinkForm, RefusesPensAndPositionsTheLinkCannotHold) {
    const struct {
        void (*edit)(LinkForm&);
        const char* refusal;
    } cases[] = {
        {[](LinkForm& f) { f.linePen.SetWidth(20); }, nullptr},
        {[](LinkForm& f) { f.linePen.SetWidth(21); }, "線の太さは、0～20で指定してください。"},
        {[](LinkForm& f) { f.linePen.SetStyle(-1); }, "線の種類を選んでください。"},
        {[](LinkForm& f) { f.toVertPosition = 3; }, "リンクの接続位置を選んでください。"},
        {[](LinkForm& f) { f.fromHorzPosition = -1; }, "リンクの接続位置を選んでください。"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const CLink link;
        LinkForm form(link);
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
