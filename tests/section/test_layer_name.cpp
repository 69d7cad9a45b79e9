// The layer-name list: the name read at a selection when the layer's stamp moved, and the layer
// replaced by the host's WM_USER+102.
#include <gtest/gtest.h>

#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "section/LayertProperyLst.h"
#include "section/SectionTestFixture.h"

namespace {

class LayerNameList : public ::testing::Test {
protected:
    LayerNameList()
        : contour(maps.AddLayer("等值线")), fault(maps.AddLayer("断层")), open(new CLayertProperyLst(contour)) {}
    // The host's selection message; the list does not look at the object.
    void Select() { open.Show(reinterpret_cast<ScObjInterface*>(contour)); }
    std::string Name() { return open.Value(CLayertProperyLst::kLayerNameId); }

    parsnip::MapFixture maps;
    CQXLayer* contour;
    CQXLayer* fault;
    sectiontest::OpenList<CLayertProperyLst> open;
};

TEST_F(LayerNameList, NameAppearsAtTheFirstSelectionAndCannotBeEdited) {
    EXPECT_EQ("", Name());
    Select();
    EXPECT_EQ("等值线", Name());
    EXPECT_FALSE(open.Type(CLayertProperyLst::kLayerNameId, "x"));
    EXPECT_EQ("等值线", contour->GetName().str());
}

TEST_F(LayerNameList, AnotherLayerShowsAtTheNextSelectionWhoseStampDiffers) {
    Select();
    EXPECT_EQ(1, platform::SendCheckValue(open.list(), reinterpret_cast<WPARAM>(fault)));
    EXPECT_EQ("等值线", Name());
    Select();
    EXPECT_EQ("断层", Name());
    fault->SetName("断层2");  // renews the layer's stamp
    Select();
    EXPECT_EQ("断层2", Name());
    Select();
    EXPECT_EQ("断层2", Name());
}

TEST_F(LayerNameList, WithoutALayerRefreshesChangeNothing) {
    Select();
    EXPECT_EQ(1, platform::SendCheckValue(open.list(), 0));
    EXPECT_EQ(nullptr, open.list().GetLayer());
    Select();
    EXPECT_EQ("等值线", Name());
}

}  // namespace
