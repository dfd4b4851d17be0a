#include "KtOptionList.h"

#include <gtest/gtest.h>
