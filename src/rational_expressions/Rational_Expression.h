#pragma once
// Factored polynomials and rational expressions: polynomials that keep their
// brackets (values, equality, recolouring and layouts), their algebra, the
// guess-and-check factoring pictures and the extraction of common factors
// and signs.

#include "algebra/FactoredPolynomial.h"
#include "rational_expressions/FactorExtraction.h"
#include "rational_expressions/FactoredLayout.h"
#include "rational_expressions/FactoredQueries.h"
#include "rational_expressions/FactoredRewrites.h"
#include "rational_expressions/FactoredValues.h"
#include "rational_expressions/GuessAndCheck.h"
