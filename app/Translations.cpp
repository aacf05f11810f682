#include "Translations.h"

#include "numerals/text/Translatable.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void Install(QCoreApplication& application, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale::system(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

std::string TranslatedWord(const char* context, const char* english)
{
    return QCoreApplication::translate(context, english).toStdString();
}

}  // namespace

void InstallTranslations(QCoreApplication& application)
{
    Install(application, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(application, QStringLiteral("tallyra"), QStringLiteral(":/i18n"));
}

void TranslateRowTexts()
{
    rowtext::SetTranslation(&TranslatedWord);
}
