#include "QgSetSteps.h"

#include "QgSimProcess.h"

#include <gtest/gtest.h>

std::vector<QgSetPdu> TakeSets(const QgSimProcess &sim)
{
    EXPECT_TRUE(sim.WaitForSets());
    std::vector<QgSetPdu> pdus = sim.Sets().Read();
    sim.Sets().Clear();
    return pdus;
}
