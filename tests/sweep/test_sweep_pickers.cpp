// The sweep over the pickers and the float item as every family gets them: a picker of each kind,
// made as the lists make it, keeps its picked value apart from its variant (0 at first, no entry
// chosen where 0 is none of its set; SetVal leaves the variant; a text reported from code leaves
// the style drawn); a face picker's drop-down opens on its face name. (The pane sweeps type a number
// into every float item a writer gave a text.)
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "bcg/PropList.h"
#include "driver/GridDriver.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropFloat.h"
#include "framework/PropStyleCombox.h"
#include "support/ReportFromCode.h"

namespace {

// A grid in a window of its own that reports into nothing: the pickers are read by their values.
struct PickerGrid {
    CWnd owner;
    CBCGPPropList grid;
    PickerGrid() {
        EXPECT_TRUE(owner.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 400, 600), nullptr, 0));
        EXPECT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 500), &owner, 2));
    }
};

struct Kind {
    const char* name;
    int kind;
    const char* group;
    UINT made;   // the value the picker is made with
    UINT other;  // a style (or colour) of its set besides it
};

TEST(SweepPickers, EveryKindKeepsItsPickedValueApartFromItsVariant) {
    const Kind kinds[] = {{"point", CPropStyleCombox::kPointStyle, "常用点风格", 1, 3},
                          {"line", CPropStyleCombox::kLineStyle, "常用线形", 1, 3},
                          {"fill", CPropStyleCombox::kFillStyle, "岩性填充", 1102, 1103},
                          {"fill colour", CPropStyleCombox::kFillColor, nullptr, 0x0000FF, 0x00FF00}};
    const std::string longNumber(1582, '7');
    for (const Kind& k : kinds) {
        PickerGrid g;
        auto* picker = new CPropStyleCombox(k.name, static_cast<int>(k.made), k.kind, k.group, "", 1);
        picker->GetColorList() = {0x0000FF, 0x00FF00};
        g.grid.AddProperty(picker);
        platform::GridDriver driver(&g.grid);
        EXPECT_EQ(picker->GetVal(), 0u) << k.name;
        ASSERT_TRUE(driver.OpenEditor(picker)) << k.name;
        EXPECT_EQ(picker->GetComboWnd()->GetCurSel(), CB_ERR) << k.name << ": 0 is none of its set";
        g.grid.EndEditItem(FALSE);

        UINT other = k.other;
        picker->SetVal(other);
        EXPECT_EQ(picker->GetVal(), k.other) << k.name;
        EXPECT_EQ(picker->GetValue().lVal, static_cast<long>(k.made)) << k.name << ": SetVal leaves the variant";
        ASSERT_TRUE(driver.OpenEditor(picker)) << k.name;
        const int sel = picker->GetComboWnd()->GetCurSel();
        ASSERT_NE(sel, CB_ERR) << k.name;
        EXPECT_EQ(picker->GetComboWnd()->GetItemData(sel), k.other) << k.name << ": opens on the picked value";
        g.grid.EndEditItem(FALSE);

        for (const std::string& text : {std::to_string(k.made), longNumber}) {
            tsltest::ReportFromCode(g.grid, picker, _variant_t(text.c_str()));
            EXPECT_EQ(picker->GetVal(), k.other) << k.name << ": a report leaves the style drawn";
        }
    }
}

TEST(SweepPickers, AFacePickersDropDownOpensOnItsFaceName) {
    PickerGrid g;
    auto* face = new CPropStyleCombox("字体", CString("楷体"), "", 1);
    g.grid.AddProperty(face);
    face->SetValue(_variant_t("黑体"));  // a refresh writes the face shown
    platform::GridDriver driver(&g.grid);
    ASSERT_TRUE(driver.OpenEditor(face));
    const int sel = face->GetComboWnd()->GetCurSel();
    ASSERT_NE(sel, CB_ERR);
    EXPECT_EQ(face->GetComboWnd()->GetLBText(sel), CString("楷体"));
    ASSERT_TRUE(driver.PickDropDownEntry(face, std::string("仿宋")));
    EXPECT_EQ(face->GetFaceName(), CString("仿宋"));
    EXPECT_EQ(face->GetShownText(), CString("仿宋"));
}

}  // namespace
