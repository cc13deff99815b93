#pragma once
// The algebra core: exact fractions, integer and text functions, monomials,
// polynomials, equations and their extended and factored forms, the option
// enumerations and the random pickers; the layouts of algebra values and the
// queries and transforms on sides and equations.

#include "algebra/AlgebraLayouts.h"
#include "algebra/Checked.h"
#include "algebra/DecimalText.h"
#include "algebra/Equation.h"
#include "algebra/EquationTransforms.h"
#include "algebra/FactoredPolynomial.h"
#include "algebra/FactoredTerm.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/Monomial.h"
#include "algebra/Options.h"
#include "algebra/Polynomial.h"
#include "algebra/PolynomialQueries.h"
#include "algebra/QuadraticSolution.h"
#include "algebra/RandomPickers.h"
#include "algebra/RandomSource.h"
#include "algebra/Rational.h"
#include "algebra/Term.h"
#include "algebra/TextFunctions.h"
