#include "PictureNumerals.h"

namespace {

constexpr int kPlaceGap = 4;      // between the Assyrian places
constexpr int kMayaBarGap = 2;    // between a Maya digit's dots and its second bar
constexpr int kMayaPlaceGap = 8;  // after every Maya place

void Append(PictureSequence& steps, const std::string& picture)
{
    steps.push_back({picture, 0});
}
void AddGap(PictureSequence& steps, int pixels)
{
    steps.push_back({std::string(), pixels});
}

void AppendRepeated(PictureSequence& steps, const std::string& picture, int count)
{
    for (int i = 0; i < count; ++i)
        Append(steps, picture);
}

struct KoreanPower {
    int value;
    const char* picture;
};
constexpr KoreanPower kKoreanPowers[] = {
    {10000, "korea12"}, {1000, "korea11"}, {100, "korea10"}, {10, "korea9"}};

std::string KoreanDigit(int d)
{
    return "korea" + std::to_string(d - 1);
}

}  // namespace

PictureSequence KoreanPictures(int v)
{
    PictureSequence steps;
    for (const KoreanPower& power : kKoreanPowers) {
        const int d = power.value == 10000 ? v / 10000 : (v / power.value) % 10;
        if (d >= 1) {
            if (d >= 2)
                Append(steps, KoreanDigit(d));
            Append(steps, power.picture);
        }
    }
    if (v % 10 >= 1)
        Append(steps, KoreanDigit(v % 10));
    return steps;
}

PictureSequence HieraticPictures(int v)
{
    PictureSequence steps;
    const int tenThousands = v / 10000;
    if (tenThousands >= 1) {
        Append(steps, "h" + std::to_string(tenThousands));
        Append(steps, "h10000");
    }
    const char* zeros[] = {"000", "00", "0", ""};
    const int powers[] = {1000, 100, 10, 1};
    for (int i = 0; i < 4; ++i) {
        const int d = (v / powers[i]) % 10;
        if (d >= 1)
            Append(steps, "h" + std::to_string(d) + zeros[i]);
    }
    return steps;
}

PictureSequence AssyrianPictures(int v)
{
    const int a = v / 3600;
    const int b = (v % 3600) / 60;
    const int c = v % 60;
    PictureSequence steps;
    AppendRepeated(steps, "ass10", a / 10);
    if (a % 10 >= 1)
        Append(steps, "ass" + std::to_string(a % 10));
    AddGap(steps, kPlaceGap);
    AppendRepeated(steps, "ass10", b / 10);
    if (b % 10 >= 1)
        Append(steps, "ass" + std::to_string(b % 10));
    else if (v > 59)
        Append(steps, "ass0");
    AddGap(steps, kPlaceGap);
    AppendRepeated(steps, "ass10", c / 10);
    Append(steps, "ass" + std::to_string(c % 10));
    return steps;
}

std::string MayaDigits(int a, int radix)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>(32 + a % radix));
        a /= radix;
    } while (a > 0);
    return digits;
}

PictureSequence MayaPictures(int v)
{
    std::string digits = MayaDigits(v / 360, 20);
    digits += static_cast<char>(32 + (v / 20) % 18);
    digits += static_cast<char>(32 + v % 20);
    PictureSequence steps;
    for (char c : digits) {
        const int n = static_cast<unsigned char>(c) - 32;
        if (n <= 0) {
            Append(steps, "ma0");
        } else if (n <= 10) {
            Append(steps, "ma" + std::to_string(n));
        } else {
            Append(steps, "ma" + std::to_string(n - 10));
            AddGap(steps, kMayaBarGap);
            Append(steps, "ma10");
        }
        AddGap(steps, kMayaPlaceGap);
    }
    return steps;
}
