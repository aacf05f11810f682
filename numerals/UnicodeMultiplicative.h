#pragma once

#include "UnicodeNumeral.h"

// Numerals that write a digit before the sign of its power of ten.

// Chinese financial numerals (大写, simplified, as on cheques): 壹 before
// 拾 too (10 = 壹拾), one 零 for a run of empty places inside the number
// and after 万 when the rest is below a thousand; 0 is 零.
UnicodeNumeral ChineseFinancialNumeral(int n);

// Traditional Tamil numerals: signs for 10, 100 and 1000 after a digit
// above one (100 = ௱, 300 = ௩௱); the count of thousands is written like a
// number below a thousand (10000 = ௰௲); 0 is ௦.
UnicodeNumeral TamilTraditionalNumeral(int n);
