#pragma once

#include "support/conditions.h"

// Empties operator_list() and appends the ticked operators in the fixed order "+", "-", "×",
// "÷". The generation rebuilds the list this way before it runs a pool builder.
void rebuild_operator_list(const ConditionsView& conditions);
