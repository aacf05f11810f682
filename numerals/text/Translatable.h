#pragma once

#include <string>

// The words the text layer writes into texts a person reads (the stand-ins
// of described rows, "no sign for zero", the explanations) are English here.
// TALLYRA_TRANSLATE_NOOP marks each for the translation tools (lupdate reads
// it as Qt's QT_TRANSLATE_NOOP: a context and the English text) and leaves
// the text as it is; a program that shows the rows in the reader's language
// installs a translation of these words with SetTranslation. Plain C++, no Qt.
#define TALLYRA_TRANSLATE_NOOP(context, text) text

namespace rowtext {

// The context of the words the text layer writes; explanations have their own.
constexpr const char* kWordsContext = "RowText";
constexpr const char* kExplanationContext = "Explanation";

// Returns the text (UTF-8) for the English text marked in the context.
using Translation = std::string (*)(const char* context, const char* english);

// Installs the translation of the words; nullptr: English again. Only at
// start-up, before the first text is asked for (tallyra-text installs none:
// its lines stay English for the scripts that read them).
void SetTranslation(Translation translation);

// How many times a translation was installed: a cache of texts in the
// words of the language tells by it that they are of an earlier one.
int TranslationsInstalled();

// The word in the language installed (or as written).
std::string Translated(const char* english);

// The pattern translated with "%1", "%2" filled in.
std::string Translated(const char* english, const std::string& first, const std::string& second = {});

}  // namespace rowtext
