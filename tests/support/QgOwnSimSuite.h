#pragma once

#include "QgSimSuite.h"

// A fixture base for tests that change the agent's tables: every test gets
// a fresh simulator of its own (own_), the engine pointed at it.
class QgOwnSimSuite : public QgSimSuite
{
protected:
    void SetUp() override;
};
