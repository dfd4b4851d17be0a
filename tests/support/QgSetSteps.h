#pragma once

#include "QgSetLog.h"

#include <vector>

class QgSimProcess;

// The SETs a step of a test sent: every SET logged since the log was last
// cleared, once the simulator's WaitForSets() has seen them all in (a test
// failure when it has not). The log is cleared for the next step.
std::vector<QgSetPdu> TakeSets(const QgSimProcess &sim);
