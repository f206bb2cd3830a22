#pragma once

// The samplers give up after this many attempts in a row without an acceptance. Conditions a
// teacher would choose on purpose accept far more often: the rarest we know of, three operands
// with only "÷" over 0 to 1000, accepts about one candidate in 34,000, so a million fruitless
// attempts in a row happen there with a likelihood below 10^-12. A million attempts cost well
// under a second, so impossible conditions (no sum of 0 to 30 reaches 100) return promptly.
constexpr int fruitless_attempt_limit = 1'000'000;
