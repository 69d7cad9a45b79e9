// Codes beyond the ones the profile-line library names, as a host may hand them over: the pages
// take their answer for "any other value" (run under the sanitizers, which stop on a code that is
// no value of its type).
#include "ProfileFixture.h"
#include "ProfilelineProp/PlProfilelineProperty.h"

using namespace pltest;

namespace {

TEST(ProfileHostCodes, ALineOfAnUnknownKindHasNoKindNameAndNoAngle) {
    SampleGraph g;
    g.projected.SetLineType(static_cast<LineType>(7));
    g.Activate({&g.projected});
    OpenList<CPlProfilelineProperty> page(new CPlProfilelineProperty(&g.projected));
    page.Show(&g.projected);
    EXPECT_EQ(page.Value(CPlProfilelineProperty::kTypeId), "");
    EXPECT_EQ(page.list().GetPropList().FindItemByData(CPlProfilelineProperty::kAngleId, TRUE), nullptr);
    EXPECT_EQ(CPlProfilelineProperty::KindName(g.projected.GetLineType()), std::string());
}

}  // namespace
