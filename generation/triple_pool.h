#pragma once

#include "support/conditions.h"

// Fills triple_pool() with Q random questions a op1 b op2 c = whose value, as the evaluator
// gives it, is at least 0 and within the answer range. Leaves the pool empty when no operator is
// ticked, and stops with what it has after a million attempts in a row without an acceptance.
void build_triple_pool(const ConditionsView& conditions);
