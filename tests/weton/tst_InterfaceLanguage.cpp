// SPDX-License-Identifier: MIT
#include "weton/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

QByteArray builtIn(const QString &name)
{
    QFile file(InterfaceLanguage::TranslationFolder + '/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class tst_InterfaceLanguage : public QObject
{
    Q_OBJECT

private slots:
    // Every translator the program installed is a child of the application; deleting one uninstalls it.
    void cleanup() { qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>()); }

    void chosenFromTheDesktopsLanguages_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Indonesian desktop") << QStringList{"id-ID", "id"} << "id";
        QTest::newRow("Indonesian, underscore form") << QStringList{"id_ID"} << "id";
        QTest::newRow("English first, Indonesian second") << QStringList{"en-GB", "id-ID"} << "en";
        QTest::newRow("French first, Indonesian as fallback") << QStringList{"fr-FR", "id-ID"} << "id";
        QTest::newRow("a language with no translation") << QStringList{"de-DE"} << "en";
        QTest::newRow("a locale that does not exist") << QStringList{"xx-YY"} << "en";
        QTest::newRow("nothing at all") << QStringList{} << "en";
        QTest::newRow("a lookalike code is not Indonesian") << QStringList{"ido"} << "en";
    }
    void chosenFromTheDesktopsLanguages()
    {
        QFETCH(QStringList, uiLanguages);
        QTEST(InterfaceLanguage::chooseFor(uiLanguages), "chosen");
    }

    // Whatever goes wrong with the translation files, the program speaks one whole language: its texts,
    // its content files and its month names all follow what actually loaded.
    void aFailedTranslationLeavesEnglish_data()
    {
        QTest::addColumn<QByteArray>("ours");    // written as wetonara_id.qm; empty: no file
        QTest::addColumn<QByteArray>("qtbase");  // written as qtbase_id.qm
        QTest::addColumn<QString>("spoken");
        const QByteArray wetonara = builtIn("wetonara_id.qm"), qtbase = builtIn("qtbase_id.qm");
        QTest::newRow("both files whole") << wetonara << qtbase << "id";
        QTest::newRow("ours cut short") << wetonara.left(200) << qtbase << "en";
        QTest::newRow("another program's file as ours") << qtbase << qtbase << "en";
        QTest::newRow("Qt's texts missing") << wetonara << QByteArray() << "en";
        QTest::newRow("no files") << QByteArray() << QByteArray() << "en";
    }
    void aFailedTranslationLeavesEnglish()
    {
        QFETCH(QByteArray, ours);
        QFETCH(QByteArray, qtbase);
        QFETCH(QString, spoken);
        QTemporaryDir dir;
        for (const auto &[name, bytes] : {std::pair{"wetonara_id.qm", ours}, std::pair{"qtbase_id.qm", qtbase}}) {
            QFile file(dir.filePath(name));
            QVERIFY(bytes.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()));
        }
        QCOMPARE(InterfaceLanguage::install(*QCoreApplication::instance(), {"id-ID"}, dir.path()), spoken);
        const bool indonesian = spoken == "id";
        QCOMPARE(QCoreApplication::translate("frmMain", "Personal Details"),
                 indonesian ? "Data Diri" : "Personal Details");
        QCOMPARE(InterfaceLanguage::shownMonthName(5), indonesian ? "Juni" : "June");
        QVERIFY(
            InterfaceLanguage::contentText(u"about.txt").startsWith(indonesian ? "Wetonara adalah" : "Wetonara is"));
    }
};

QTEST_GUILESS_MAIN(tst_InterfaceLanguage)
#include "tst_InterfaceLanguage.moc"
