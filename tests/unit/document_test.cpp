#include <gtest/gtest.h>

#include "support/test_session.h"

namespace slv {
namespace {

TEST(Document, ExcitationEnergyBySource)
{
    test::TestSession t;
    t.doc().ParNumber[6] = 3000.0f;
    EXPECT_FLOAT_EQ(ExcitationEnergy(t.doc(), kSourceMg), 1253.6f);
    EXPECT_FLOAT_EQ(ExcitationEnergy(t.doc(), kSourceAl), 1486.6f);
    EXPECT_FLOAT_EQ(ExcitationEnergy(t.doc(), kSourceOther), 3000.0f);
    EXPECT_EQ(ExcitationEnergy(t.doc(), 3), 0.0f);
}

}  // namespace
}  // namespace slv
