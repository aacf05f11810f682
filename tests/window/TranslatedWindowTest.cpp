#include "FindField.h"
#include "rows/RowFinder.h"
#include "MainWindow.h"
#include "Translations.h"
#include "WindowFixture.h"
#include "rows/RowInteraction.h"
#include "rows/RowTable.h"
#include "signs/SignBySignView.h"
#include "signs/SignViews.h"

#include "glyphs/UiFonts.h"
#include "numerals/text/Translatable.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

namespace {

// Numbers that bring every kind of text: the stand-ins of the described
// rows, "no sign for zero", a system with no form, the message line's
// readings of a numeral (one, and several) and its two complaints.
const QStringList kNumbers = {"1994", "0", "20000"};
const QStringList kFieldTexts = {"mcmxciv", "\u03A7", "80000", "hello"};

// The translations of a .ts file: source -> translation, every context.
QHash<QString, QString> TranslationsIn(const QString& language)
{
    QFile file(QStringLiteral(TALLYRA_TRANSLATIONS_DIR "/tallyra_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QHash<QString, QString> translations;
    QXmlStreamReader xml(&file);
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == u"translation")
            translations.insert(source, xml.readElementText());
        else
            xml.readNext();
    }
    return translations;
}

// Words of three letters or more; all capitals (MCMXCIV, hexadecimal
// digits) is a numeral, not a word.
QStringList WordsOf(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[\\p{L}'’-]{3,}"));
    QStringList words;
    for (const QRegularExpressionMatch& m : word.globalMatch(text)) {
        const QString w = m.captured();
        if (w.contains(QRegularExpression(QStringLiteral("\\p{Ll}")))
            && w.contains(QRegularExpression("[A-Za-z]")))
            words << w.toLower();
    }
    return words;
}

QString Accessible(QWidget* widget, QAccessible::Text which)
{
    QAccessibleInterface* object = QAccessible::queryAccessibleInterface(widget);
    return object ? object->text(which) : QString();
}

// Rows whose Sign by Sign views bring every kind of sign text: drawn signs
// named by their noun (Semaphore, hieratic), marks with a role (Braille's
// number sign, Hebrew's thousands and numeral marks), the marks of a drawn
// row (Heyarian's end marks), a number with no form (Phoenician at 1994).
const QStringList kSignBySignRows = {"P7", "PB1", "P34", "P62", "P39", "Uphnx"};

// What a window of its own shows: its title, and of each widget in it the
// text, tooltip, placeholder and what a screen reader hears.
QStringList TextsOf(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (const auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (const auto* field = qobject_cast<QLineEdit*>(widget))
            texts << field->placeholderText();
        texts << widget->toolTip() << Accessible(widget, QAccessible::Name)
              << Accessible(widget, QAccessible::Description);
    }
    return texts;
}

}  // namespace

// The window in the program's translations, each loaded as the program
// loads it, against the window without one (English, as written): the page
// tabs, the range message and the context menu are the translation's, every
// caption fits its cell, and no text it shows has a word of Latin letters
// that its translation does not use: an English text that missed translation
// stands out by its English words.
class TranslatedWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyTextComesFromTheTranslation_data();
    void everyTextComesFromTheTranslation();
    void withoutTranslationTheTextsAreEnglish();

private:
    void translateTo(const QString& language);
    QStringList shownTexts();
    QStringList findFieldTexts();
    QStringList signBySignTexts();

    WindowFixture window_;
    std::unique_ptr<QTranslator> translator_;
};

void TranslatedWindowTest::initTestCase()
{
    InstallFontStandIns();
}

void TranslatedWindowTest::cleanup()
{
    QCOMPARE(window_.close(), QStringList());
    if (translator_)
        QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
    rowtext::SetTranslation(nullptr);
}

void TranslatedWindowTest::translateTo(const QString& language)
{
    translator_ = std::make_unique<QTranslator>();
    QVERIFY(translator_->load(QStringLiteral(":/i18n/tallyra_") + language));
    QVERIFY(QCoreApplication::installTranslator(translator_.get()));
    TranslateRowTexts();
}

// What the window shows a person: title, page tabs, labels (captions, the
// field's name, the message line for every field text), the context menu,
// and every row's accessible name, text and explanation for each number.
QStringList TranslatedWindowTest::shownTexts()
{
    QStringList texts{window_->windowTitle()};
    const auto* pages = window_->findChild<QTabWidget*>(QStringLiteral("PG1"));
    for (int i = 0; i < pages->count(); ++i)
        texts << pages->tabText(i);
    const auto* rows = window_->findChild<RowInteraction*>();
    std::unique_ptr<QMenu> menu(rows->createMenu(QStringLiteral("P42")));
    for (const QAction* action : menu->actions())
        texts << action->text();
    for (const QString& text : kFieldTexts + kNumbers) {
        window_->numberField()->setText(text);
        for (const QLabel* label : window_->findChildren<QLabel*>())
            texts << label->text();
    }
    for (const QString& number : kNumbers) {
        window_->numberField()->setText(number);
        for (const RowSpec& row : RowsInDisplayOrder()) {
            QWidget* widget = rows->rowWidget(QLatin1String(row.cell));
            for (QAccessible::Text which : {QAccessible::Name, QAccessible::Value, QAccessible::Description})
                texts << Accessible(widget, which);
        }
    }
    texts << Accessible(window_->findChild<QWidget*>(QStringLiteral("SpinButton1")), QAccessible::Name);
    texts << findFieldTexts() << signBySignTexts();
    texts.removeAll(QString());
    return texts;
}

// The find field, and its list of matches for a text that finds a system
// and for one that finds none.
QStringList TranslatedWindowTest::findFieldTexts()
{
    FindField* field = window_->findChild<FindField*>();
    window_->activateWindow();
    field->setFocus();
    QStringList texts{field->placeholderText(), Accessible(field, QAccessible::Name)};
    for (const QString& text : {QStringLiteral("Egypt"), QStringLiteral("qqqq")}) {
        field->setText(text);
        const auto* list = window_->findChild<QListWidget*>(QStringLiteral("findMatches"));
        if (list == nullptr)
            return texts << QStringLiteral("no list of matches");
        texts << list->accessibleName();
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
    }
    field->clear();
    return texts;
}

// The Sign by Sign views of some rows at a number that has a form and at
// one that has none.
QStringList TranslatedWindowTest::signBySignTexts()
{
    QStringList texts;
    for (const QString& cell : kSignBySignRows)
        window_->signViews()->open(cell);
    for (const QString& number : {QStringLiteral("1994"), QStringLiteral("0")}) {
        window_->numberField()->setText(number);
        for (SignBySignView* view : window_->signViews()->views())
            texts << TextsOf(view);
    }
    window_->signViews()->closeAll();
    return texts;
}

void TranslatedWindowTest::everyTextComesFromTheTranslation_data()
{
    QTest::addColumn<QString>("language");
    const QStringList files = QDir(QStringLiteral(TALLYRA_TRANSLATIONS_DIR)).entryList({"tallyra_*.ts"});
    QVERIFY(files.size() >= 3);  // German, French and Spanish at least
    for (const QString& file : files) {
        const QString language = file.mid(8).chopped(3);
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TranslatedWindowTest::everyTextComesFromTheTranslation()
{
    QFETCH(QString, language);
    const QHash<QString, QString> translations = TranslationsIn(language);
    QVERIFY(!translations.isEmpty());
    QSet<QString> wordsOfTheTranslation;
    for (const QString& translation : translations)
        for (const QString& word : WordsOf(translation))
            wordsOfTheTranslation.insert(word);

    translateTo(language);
    QVERIFY(window_.open());
    const auto* pages = window_->findChild<QTabWidget*>(QStringLiteral("PG1"));
    for (int i = 0; i < pages->count(); ++i)
        QCOMPARE(pages->tabText(i), translations.value(QStringLiteral("Number signs %1").arg(i + 1)));
    window_->numberField()->setText(QStringLiteral("80000"));
    QCOMPARE(window_->messageLine()->text(),
             translations.value(QStringLiteral("Number must be greater than 0 and less than %1")).arg(80000));
    std::unique_ptr<QMenu> menu(window_->findChild<RowInteraction*>()->createMenu(QStringLiteral("P6")));
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 5);
    QCOMPARE(actions[0]->text(), translations.value(QStringLiteral("Copy")));
    QCOMPARE(actions[1]->text(), translations.value(QStringLiteral("Copy as Picture")));
    QCOMPARE(actions[2]->text(), translations.value(QStringLiteral("Sign by Sign")));
    QCOMPARE(actions[4]->text(), translations.value(QStringLiteral("Copy All Rows")));

    for (const QString& text : shownTexts())
        for (const QString& word : WordsOf(text))
            QVERIFY2(wordsOfTheTranslation.contains(word),
                     qPrintable(QStringLiteral("'%1' in \"%2\"").arg(word, text)));
    for (const RowSpec& row : RowsInDisplayOrder()) {
        const auto* caption = window_->findChild<QLabel*>(QStringLiteral("tp") + QLatin1String(row.cell));
        QVERIFY2(caption->fontMetrics().boundingRect(caption->text()).width()
                     <= caption->contentsRect().width(),
                 qPrintable(caption->text()));
        // and a person finds the system by the caption they read
        const std::vector<const RowSpec*> found = FindRows(caption->text());
        QVERIFY2(std::find(found.begin(), found.end(), &row) != found.end(), qPrintable(caption->text()));
    }
}

// Without a translation the same window says everything in English, and
// the texts gathered above hold the ones that must change: the menu, the
// messages and the words of the rows.
void TranslatedWindowTest::withoutTranslationTheTextsAreEnglish()
{
    QVERIFY(window_.open());
    const auto* pages = window_->findChild<QTabWidget*>(QStringLiteral("PG1"));
    QCOMPARE(pages->tabText(0), QStringLiteral("Number signs 1"));
    const QStringList texts = shownTexts();
    QVERIFY(texts.contains(QStringLiteral("Copy All Rows")));
    QVERIFY(texts.contains(QStringLiteral("Number must be greater than 0 and less than 80000")));
    QVERIFY(texts.contains(QStringLiteral("no sign for zero")));
    QVERIFY(texts.contains(QStringLiteral("Roman numeral: 1994")));
    QVERIFY(texts.contains(QStringLiteral("No system found")));
    QVERIFY(texts.contains(QStringLiteral("Semaphore — Sign by Sign")));
    QVERIFY(texts.contains(QStringLiteral("Show This Number")));
}

QTEST_MAIN(TranslatedWindowTest)
#include "TranslatedWindowTest.moc"
