#include "FontCharacters.h"
#include "TextParts.h"

#include "pictures/PictureNumerals.h"

namespace rowtext {
namespace {

// The number a picture name ends in: "ma14" 14, "ass10" 10, "h900" 900.
int NumberInName(const std::string& picture)
{
    const std::size_t first = picture.find_first_of("0123456789");
    return first == std::string::npos ? 0 : std::stoi(picture.substr(first));
}

// The steps cut at the gaps that are as wide as the last one (the gap every
// place ends with); narrower gaps stay inside a place.
std::vector<PictureSequence> PlacesOf(const PictureSequence& steps)
{
    std::vector<PictureSequence> places(1);
    const int placeGap = !steps.empty() && steps.back().isGap() ? steps.back().gap : 0;
    for (const PictureStep& step : steps) {
        if (step.isGap() && step.gap >= placeGap)
            places.emplace_back();
        else if (!step.isGap())
            places.back().push_back(step);
    }
    if (places.back().empty())
        places.pop_back();
    return places;
}

PicturePlace PlaceOfPictures(const PictureSequence& place)
{
    PicturePlace result;
    for (const PictureStep& step : place) {
        const char* character = CharacterOfPicture(step.picture);
        if (character != nullptr)
            result.text += character;
        result.value += NumberInName(step.picture);
    }
    return result;
}

}  // namespace

std::string KoreanText(int n)
{
    std::string s;
    for (const PictureStep& step : KoreanPictures(n)) {
        if (const char* character = CharacterOfPicture(step.picture))
            s += character;
    }
    return s;
}

// A place's value is the sum of its pictures' numbers (dots, a bar, a second
// bar ma10); its character is the Mayan numeral of that value.
std::vector<PicturePlace> MayaPlaces(int n)
{
    std::vector<PicturePlace> places;
    for (const PictureSequence& place : PlacesOf(MayaPictures(n))) {
        PicturePlace p = PlaceOfPictures(place);
        p.text = MayanNumeral(p.value);
        places.push_back(p);
    }
    return places;
}

// The leading places the pictures leave empty are not written.
std::vector<PicturePlace> AssyrianPlaces(int n)
{
    const PictureSequence steps = AssyrianPictures(n);
    std::vector<PicturePlace> places;
    std::vector<PictureSequence> groups(1);
    for (const PictureStep& step : steps) {
        if (step.isGap())
            groups.emplace_back();
        else
            groups.back().push_back(step);
    }
    for (const PictureSequence& group : groups) {
        if (group.empty() && places.empty())
            continue;
        places.push_back(PlaceOfPictures(group));
    }
    return places;
}

std::vector<std::string> HieraticTerms(int n)
{
    std::vector<std::string> terms;
    const PictureSequence steps = HieraticPictures(n);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string value = std::to_string(NumberInName(steps[i].picture));
        const bool countsNext = i + 1 < steps.size() && steps[i + 1].picture == "h10000";
        if (countsNext) {
            terms.push_back(value + " × 10000");
            ++i;
        } else {
            terms.push_back(value);
        }
    }
    return terms;
}

}  // namespace rowtext
