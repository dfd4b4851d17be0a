#include "QgOwnSimSuite.h"

void QgOwnSimSuite::SetUp()
{
    QgSimSuite::SetUp();
    StartOwnSim();
}
