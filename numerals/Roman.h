#pragma once

#include <string>

// Roman numerals for the "Roman" row: plain capital letters, no prefix.
// Up to 4999 the thousands are repeated M; from 5000 on the count of
// thousands is itself a Roman numeral followed by the thousands mark "'M".

// Appends the Roman form of one decimal digit count (0..9) written with the
// given unit, five and ten letters.
void RomanGroup(std::string& s, int count, char unit, char five, char ten);

// The Roman numeral of n (0..79999); 0 gives the empty text.
std::string RomanNumeral(int n);
