#include "weton/InterfaceLanguage.h"
#include "weton/modJavaneseAstrology.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

// Every translator the program installed is a child of the application; deleting one uninstalls it.
void backToEnglish() { qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>()); }

// The folder with the program's two translation files as the row wants them.
enum class Files { BuiltIn, Broken, Foreign, Missing };

QString translationFolder(Files files, const QTemporaryDir &dir)
{
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    const auto builtIn = [](const char *name) {
        QFile file(QStringLiteral(":/i18n/%1").arg(QLatin1String(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    switch (files) {
    case Files::BuiltIn: return InterfaceLanguage::TranslationFolder;
    case Files::Broken:
        // A download cut short: the start of a real file.
        (void)write("wetonara_id.qm", builtIn("wetonara_id.qm").left(200));
        (void)write("qtbase_id.qm", builtIn("qtbase_id.qm"));
        break;
    case Files::Foreign:
        // Valid translation files, but neither is this program's: no text of ours in them.
        (void)write("wetonara_id.qm", builtIn("qtbase_id.qm"));
        (void)write("qtbase_id.qm", builtIn("qtbase_id.qm"));
        break;
    case Files::Missing: break;
    }
    return dir.path();
}

}  // namespace

Q_DECLARE_METATYPE(Files)

class tst_InterfaceLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { backToEnglish(); }

    void chosenFromTheDesktopsLanguages_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Indonesian desktop") << QStringList{"id-ID", "id"} << "id";
        QTest::newRow("Indonesian, underscore form") << QStringList{"id_ID"} << "id";
        QTest::newRow("English first, Indonesian second") << QStringList{"en-GB", "id-ID"} << "en";
        QTest::newRow("French first, Indonesian as fallback") << QStringList{"fr-FR", "id-ID"} << "id";
        QTest::newRow("a language with no translation") << QStringList{"de-DE", "de"} << "en";
        QTest::newRow("a locale that does not exist") << QStringList{"xx-YY"} << "en";
        QTest::newRow("the C locale") << QStringList{"C"} << "en";
        QTest::newRow("nothing at all") << QStringList{} << "en";
        QTest::newRow("a lookalike code is not Indonesian") << QStringList{"ido"} << "en";
    }
    void chosenFromTheDesktopsLanguages()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        QCOMPARE(InterfaceLanguage::chooseFor(uiLanguages), chosen);
    }

    // Whatever goes wrong with the translation, the program speaks one whole language: its texts, its
    // content files and its month names all follow what actually loaded.
    void aFailedTranslationLeavesEnglish_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("june");
        QTest::addColumn<QString>("aboutOpening");
        QTest::newRow("built-in translation") << Files::BuiltIn << "id"
                                              << "Data Diri"
                                              << "Juni"
                                              << "Wetonara adalah";
        QTest::newRow("broken file") << Files::Broken << "en"
                                     << "Personal Details"
                                     << "June"
                                     << "Wetonara is";
        QTest::newRow("another program's file") << Files::Foreign << "en"
                                                << "Personal Details"
                                                << "June"
                                                << "Wetonara is";
        QTest::newRow("no files") << Files::Missing << "en"
                                  << "Personal Details"
                                  << "June"
                                  << "Wetonara is";
    }
    void aFailedTranslationLeavesEnglish()
    {
        QFETCH(Files, files);
        QFETCH(QString, spoken);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = translationFolder(files, dir);
        QCOMPARE(InterfaceLanguage::install(*QCoreApplication::instance(), {"id-ID"}, folder), spoken);
        QCOMPARE(InterfaceLanguage::current(), spoken);
        QTEST(QCoreApplication::translate("frmMain", "Personal Details"), "caption");
        QTEST(InterfaceLanguage::shownMonthName(5), "june");
        QFETCH(QString, aboutOpening);
        QVERIFY(InterfaceLanguage::contentText(u"about.txt").startsWith(aboutOpening));
    }

    // 3 January 2002 is a Thursday (Kemis) and a Wage day, reckoned by hand from 1 January 2000, a
    // Saturday Legi, 733 days earlier: 733 = 104 weeks + 5 days (Saturday + 5 = Thursday) and
    // 146 market weeks + 3 days (Legi, Pahing, Pon, Wage).
    void aReadingIsShownInTheLanguageButStoredTheSame()
    {
        QCOMPARE(InterfaceLanguage::install(*QCoreApplication::instance(), {"id"}), QStringLiteral("id"));
        const auto sign = modJavaneseAstrology::ReckonSign(2002, u"January", 3);
        QVERIFY(sign);
        const WetonResult data = modJavaneseAstrology::ResultOf(*sign);
        QCOMPARE(data.IndonesianWeekday, QStringLiteral("Kemis"));
        QCOMPARE(data.EnglishWeekday, QStringLiteral("Thursday"));
        QVERIFY(data.Description.startsWith(QStringLiteral("Kemis Wage people are the well-known dreamers")));
        const WetonResult shown = modJavaneseAstrology::ShownResultOf(*sign);
        QCOMPARE(shown.MarketDay, QStringLiteral("Wage"));
        QCOMPARE(shown.IndonesianWeekday, QStringLiteral("Kamis"));
        QCOMPARE(shown.EnglishWeekday, QStringLiteral("Thursday"));
        QVERIFY(shown.Description.startsWith(QStringLiteral("Orang Kamis Wage adalah para pemimpi")));
        backToEnglish();
        QCOMPARE(modJavaneseAstrology::ShownResultOf(*sign), data);
    }
};

QTEST_GUILESS_MAIN(tst_InterfaceLanguage)
#include "tst_InterfaceLanguage.moc"
