#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// What the number field's text gives the window: the number the rows show,
// the text the rows that show the typed characters read, and what the
// message line says of it.
struct EnteredNumber {
    enum class Kind {
        Empty,      // nothing typed: the rows keep what they show
        Number,     // a number, perhaps outside 0..79999
        NoNumeral,  // text that reads as no number: the rows keep what they show
    };
    Kind kind = Kind::Empty;
    std::int64_t number = 0;
    QString numberText;  // the typed text where the number parser reads it, else the decimal digits
    QString message;     // for a number in range: empty where the parser reads the text, else what
                         // the text was read as; for no numeral: that the text is none
};

// Text the number parser accepts keeps its meaning; other text gives the
// first of its recognised numbers that lies in 0..79999 (or, where none
// does, the first, for the range message) and names the other numbers in
// range in the message.
EnteredNumber EnteredNumberOf(QStringView text);
