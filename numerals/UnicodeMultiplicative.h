#pragma once

#include "UnicodeNumeral.h"

// Numerals that write a digit before the sign of its power of ten.

// Chinese financial numerals (大写, simplified, as on cheques): 壹 before
// 拾 too (10 = 壹拾), one 零 for a run of empty places inside the number
// and after 万 when the rest is below a thousand; 0 is 零.
UnicodeNumeral ChineseFinancialNumeral(int n);

// Chinese everyday numerals (simplified): as the financial ones with the
// everyday signs, but 十 alone where it begins the number (19 = 十九,
// 110 = 一百一十).
UnicodeNumeral ChineseNumeral(int n);

// Traditional Chinese financial numerals (大寫): the simplified financial
// numerals with the traditional signs 貳 參 陸 萬, 壹 before 拾 too.
UnicodeNumeral TraditionalFinancialNumeral(int n);

// Japanese financial numerals (大字): 壱 弐 参 伍 拾 萬 and the everyday
// signs for the rest, 壱 before every power (10 = 壱拾), no sign for an
// empty place (2026 = 弐千弐拾六); 0 is 零.
UnicodeNumeral DaijiNumeral(int n);

// Tangut numerals on the Chinese model: the digit 1 written before 100,
// 1000 and 10000, never before 10 (14 = 𗰗𗥃); no zero, no form for 0.
UnicodeNumeral TangutNumeral(int n);

// Traditional Tamil numerals: signs for 10, 100 and 1000 after a digit
// above one (100 = ௱, 300 = ௩௱); the count of thousands is written like a
// number below a thousand (10000 = ௰௲); 0 is ௦.
UnicodeNumeral TamilTraditionalNumeral(int n);

// Traditional Malayalam numerals: as the Tamil ones with ൰ ൱ ൲ (11 = ൰൧);
// the old system has no zero, so no form for 0.
UnicodeNumeral MalayalamTraditionalNumeral(int n);

// Sinhala archaic numerals (illakkam): signs of their own for 1..9 and
// 10..90, a digit above one before the hundred, a count of thousands
// before the thousand; no form for 0.
UnicodeNumeral SinhalaArchaicNumeral(int n);

// Mende Kikakui: each digit followed by the combining mark of its power
// (TEN THOUSANDS .. TENS), 11..19 as the units digit with TEENS, the units
// digit alone. Right to left: stored largest first. No form for 0.
UnicodeNumeral MendeNumeral(int n);
