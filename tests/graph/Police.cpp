// Every graph test draws its texts with the program's embedded Times-compatible font.

#include "resources/UnitPolice.h"

#include <gtest/gtest.h>

namespace {

class EnvironnementPolice : public ::testing::Environment {
    void SetUp() override { ASSERT_TRUE(InstallerPolice()); }
};

const auto* const environnement = ::testing::AddGlobalTestEnvironment(new EnvironnementPolice);

} // namespace
