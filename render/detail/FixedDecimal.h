// A float as "%.Nf" writes it in the "C" locale, without printf's or to_chars' general machinery:
// the exports write tens of millions of such numbers.
#pragma once

// Writes v with `decimals` digits after the point (0 to 9) at `at`, returns the end. Up to 48
// characters must fit before `end`. Correctly rounded, ties to even, "-" for negative values
// including those that round to zero and -0, as "%.Nf" does.
char* WriteFixedDecimal(char* at, char* end, float v, int decimals);
