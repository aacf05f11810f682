#pragma once

#include <QString>

class QCoreApplication;

// The program in the desktop's language: the translation of its own texts
// for the first of the desktop's languages it has one for (QLocale::system(),
// which follows LANGUAGE and the LC_* variables), carried in its resources,
// and Qt's own translations (standard menus, the command line's help) from
// where the system keeps them. Without a translation (or with LANGUAGE=C)
// every text stays as written, in English.
void InstallTranslations(QCoreApplication& application);

// The texts the numeral rows write (explanations aside: RowTexts translates
// them) in the installed language too: stand-ins, "no sign for zero". The
// window only; tallyra-text prints its rows in English.
void TranslateRowTexts();
