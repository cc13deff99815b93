#pragma once
// Factored polynomials and rational expressions: polynomials that keep their
// brackets (values, equality, recolouring and layouts), their algebra, the
// guess-and-check factoring pictures and the extraction of common factors
// and signs; quotients of two of them (Rational_Expression), their layout,
// questions and picture rewrites, the final-form check, the splitting of a
// common monomial and the cancelling of common factors.

#include "algebra/FactoredPolynomial.h"
#include "rational_expressions/CommonFactorCancelling.h"
#include "rational_expressions/DensePolynomials.h"
#include "rational_expressions/FactorExtraction.h"
#include "rational_expressions/FactoredLayout.h"
#include "rational_expressions/FactoredQueries.h"
#include "rational_expressions/FactoredRewrites.h"
#include "rational_expressions/FactoredValues.h"
#include "rational_expressions/FinalForm.h"
#include "rational_expressions/GroupRewrites.h"
#include "rational_expressions/GuessAndCheck.h"
#include "rational_expressions/MonomialSplit.h"
#include "rational_expressions/RationalExpressionPictures.h"
#include "rational_expressions/RationalExpressionQueries.h"
#include "rational_expressions/RationalExpressionValue.h"
#include "rational_expressions/RootSearch.h"
#include "rational_expressions/SharedFactorSplit.h"
#include "rational_expressions/SharedFactors.h"
