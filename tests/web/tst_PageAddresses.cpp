// SPDX-License-Identifier: MIT
#include "fakes/FakePlatform.h"
#include "web/modHelp.h"

#include <QUrl>
#include <QtTest>

using PageRoutine = void (*)(platform::Browser &);
Q_DECLARE_METATYPE(PageRoutine)

class tst_PageAddresses : public QObject
{
    Q_OBJECT

private slots:
    void eachRoutineOpensItsPage_data()
    {
        QTest::addColumn<PageRoutine>("routine");
        QTest::addColumn<QString>("path");
        QTest::newRow("home page") << PageRoutine(modHelp::OpenHomePage) << "/wetonara/ssd.php?page=home-page";
        QTest::newRow("help") << PageRoutine(modHelp::OpenHelpPage) << "/wetonara/ssd.php?page=help-web-page";
        QTest::newRow("download") << PageRoutine(modHelp::OpenDownloadPage)
                                  << "/wetonara/ssd.php?page=download-web-page";
        QTest::newRow("donate") << PageRoutine(modHelp::OpenDonatePage) << "/wetonara/ssd.php?page=donate";
        QTest::newRow("co-brand") << PageRoutine(modHelp::OpenCoBrandPage) << "/wetonara/ssd.php?page=co-brand";
        QTest::newRow("fully branded") << PageRoutine(modHelp::OpenFullyBrandedPage)
                                       << "/wetonara/ssd.php?page=fully-branded";
        QTest::newRow("other programs") << PageRoutine(modHelp::OpenTarvexSoftwaresPage)
                                        << "/wetonara/ssd.php?page=tarvexsoftwares";
    }

    void eachRoutineOpensItsPage()
    {
        QFETCH(PageRoutine, routine);
        QFETCH(QString, path);
        fakes::FakeBrowser browser;
        routine(browser);
        routine(browser);  // nothing suppresses a repeated click
        const QString expected = QStringLiteral(WETONARA_SITE_ADDRESS) + path;
        QCOMPARE(browser.opened, (QStringList{expected, expected}));
        const QUrl url(expected, QUrl::StrictMode);
        QVERIFY(url.isValid());
        QVERIFY(url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
    }

    void siteAddressHasNoTrailingSlash()
    {
        QVERIFY(!QStringLiteral(WETONARA_SITE_ADDRESS).endsWith(QLatin1Char('/')));
        QVERIFY(QUrl(QStringLiteral(WETONARA_SITE_ADDRESS)).path().isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_PageAddresses)
#include "tst_PageAddresses.moc"
