#include "Roman.h"

namespace {

constexpr int kLargestRepeatedThousands = 4999;

// The hundreds, tens and units of n (0..999).
void AppendBelowThousand(std::string& s, int n)
{
    RomanGroup(s, n / 100, 'C', 'D', 'M');
    RomanGroup(s, n / 10 % 10, 'X', 'L', 'C');
    RomanGroup(s, n % 10, 'I', 'V', 'X');
}

}  // namespace

void RomanGroup(std::string& s, int count, char unit, char five, char ten)
{
    if (count == 9) {
        s += unit;
        s += ten;
    } else if (count > 4) {
        s += five;
        s.append(static_cast<std::size_t>(count - 5), unit);
    } else if (count == 4) {
        s += unit;
        s += five;
    } else if (count >= 1) {
        s.append(static_cast<std::size_t>(count), unit);
    }
}

std::string RomanNumeral(int n)
{
    std::string s;
    if (n <= kLargestRepeatedThousands) {
        while (n > 999) {
            s += 'M';
            n -= 1000;
        }
    } else {
        AppendBelowThousand(s, n / 1000);
        s += "'M";
        n %= 1000;
    }
    AppendBelowThousand(s, n);
    return s;
}
