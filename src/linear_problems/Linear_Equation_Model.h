#pragma once
// The linear problem generator: one linear equation or inequality in x held
// in one of twenty fixed forms and solved step by step through the bracketed
// linear step engine, the option menus and coefficient letters of such an
// equation, and the random practice problems by level with their record:
// whole and unit-fraction coefficients, brackets, decimals and fractions
// drawn diagonally.

#include "linear_problems/DiagonalFractionLine.h"
#include "linear_problems/LinearEquationModel.h"
#include "linear_problems/LinearForms.h"
#include "linear_problems/LinearOptions.h"
#include "linear_problems/LinearProblemGenerator.h"
#include "linear_problems/LinearProblemGeneratorXL.h"
#include "linear_problems/LinearProblemRecord.h"
#include "linear_problems/LinearProblemText.h"
