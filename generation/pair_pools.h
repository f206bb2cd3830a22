#pragma once

#include "support/conditions.h"

// The two builders of pair_pool(), over the operators of operator_list(). Each empties the pool,
// then appends the accepted questions a op b = in the order of acceptance. A question is accepted
// when its result is a whole number within the answer range; "×" and "÷" need non-zero operands
// and "÷" an exact quotient.

// Every accepted pair of the operand range once per operator: by operator, then a, then b.
void build_pair_pool_enumerated(const ConditionsView& conditions);

// Random pairs (larger first for "-" and "÷") until, for operator i of n, the whole pool holds
// at least Q / (n - i + 1) questions; an operator that finds nothing for a million attempts in a
// row is given up, and the next one goes on.
void build_pair_pool_sampled(const ConditionsView& conditions);
