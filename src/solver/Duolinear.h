#pragma once
// The two-equation solver: the model and its option menus, the system value
// with its classification, the solver driver and the practice problems.

#include "solver/Classification.h"
#include "solver/Determinants.h"
#include "solver/DuolinearMenus.h"
#include "solver/DuolinearModel.h"
#include "solver/DuolinearOptions.h"
#include "solver/DuolinearSystem.h"
#include "solver/PracticeProblem.h"
#include "solver/SolverDriver.h"
