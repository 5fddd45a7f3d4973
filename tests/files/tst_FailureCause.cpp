// SPDX-License-Identifier: MIT
#include "files/FailureCause.h"
#include "weton/InterfaceLanguage.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <cerrno>

// The cause of a failure as it follows a colon or stands in brackets: lower-case at the start unless
// the C library's text starts with an acronym, and never "success" for a failure without a number. The
// C library's words are in the interface's language where the machine has its locale.
class tst_FailureCause : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>()); }
    void causeInWords_data();
    void causeInWords();
};

void tst_FailureCause::causeInWords_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("locale");  // made on the machine, its language the interface's; none: English
    QTest::addColumn<QString>("said");
    QTest::newRow("a cause of our own table") << ENOSPC << QString() << "no space is left on the device";
    QTest::newRow("a read-only file system") << EROFS << QString() << "the file system is read-only";
    QTest::newRow("no number: unknown, not \"success\"") << 0 << QString() << "the cause is not known";
    QTest::newRow("the C library's words, lower-case after a colon") << ENODATA << QString() << "no data available";
    QTest::newRow("Indonesian: the C library's Indonesian words") << ENODATA << "id_ID"
                                                                  << "tidak ada data yang tersedia";
#ifdef EDOTDOT
    QTest::newRow("an acronym keeps its capitals") << EDOTDOT << QString() << "RFS specific error";
#endif
}

void tst_FailureCause::causeInWords()
{
    QFETCH(int, number);
    QFETCH(QString, locale);
    QFETCH(QString, said);
    QTemporaryDir made;
    if (!locale.isEmpty()) {
        const QString language = locale.section(QLatin1Char('_'), 0, 0);
        QCOMPARE(InterfaceLanguage::install(*QCoreApplication::instance(), {language}), language);
        if (QProcess::execute(QStringLiteral("localedef"),
                              {"-i", locale, "-f", "UTF-8", made.filePath(locale + QStringLiteral(".UTF-8"))})
            != 0)
            QSKIP("this machine cannot make the locale");
        qputenv("LOCPATH", QFile::encodeName(made.path()));
    }
    const QString text = FailureCause::text(number);
    qunsetenv("LOCPATH");
    QCOMPARE(text, said);
}

QTEST_GUILESS_MAIN(tst_FailureCause)
#include "tst_FailureCause.moc"
