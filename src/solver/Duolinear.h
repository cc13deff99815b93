#pragma once
// The two-equation solver: the model and its option menus, the system value
// with its classification, the solver driver with the steps of the three
// methods, and the practice problems.

#include "solver/AlignedEquationPair.h"
#include "solver/Classification.h"
#include "solver/CombineEquations.h"
#include "solver/Determinants.h"
#include "solver/DuolinearMenus.h"
#include "solver/DuolinearModel.h"
#include "solver/DuolinearOptions.h"
#include "solver/DuolinearSystem.h"
#include "solver/EliminationCommentary.h"
#include "solver/EliminationMultipliers.h"
#include "solver/EliminationSteps.h"
#include "solver/GcdSimplification.h"
#include "solver/MethodSteps.h"
#include "solver/PracticeProblem.h"
#include "solver/PracticeQuestion.h"
#include "solver/RearrangeForVariable.h"
#include "solver/SingleVariableShortcut.h"
#include "solver/SolverDriver.h"
#include "solver/SolverFacts.h"
#include "solver/SolverFrame.h"
#include "solver/SubstituteExpression.h"
#include "solver/SubstituteValue.h"
#include "solver/SubstitutionSteps.h"
#include "solver/WholeCoefficients.h"
