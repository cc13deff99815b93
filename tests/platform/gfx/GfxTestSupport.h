#pragma once
// The drawing tests' helpers, kept under this name for the files that include
// it: pixel reading (support/Pixels.h) and where test images go
// (support/TestOutput.h).

#include "support/Pixels.h"
#include "support/TestOutput.h"
