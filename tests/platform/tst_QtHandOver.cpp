#include "platform/qt/QtHandOver.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <future>

// Both ends in one process: the offer blocks while it waits for the answer, so it runs on a thread of its
// own and the listening end answers from this thread's event loop, as the running copy does.
class tst_QtHandOver : public QObject
{
    Q_OBJECT
private slots:
    void offer_data()
    {
        QTest::addColumn<bool>("staleFile");
        QTest::addColumn<bool>("listening");
        QTest::addColumn<bool>("takes");
        QTest::addColumn<bool>("expected");
        QTest::newRow("taken") << false << true << true << true;
        QTest::newRow("refused") << false << true << false << false;
        QTest::newRow("no copy listens") << false << false << true << false;
        QTest::newRow("a crashed copy's socket file is replaced") << true << true << true << true;
        QTest::newRow("a crashed copy's socket file does not take offers") << true << false << true << false;
    }

    void offer()
    {
        QFETCH(bool, staleFile);
        QFETCH(bool, listening);
        QFETCH(bool, takes);
        QFETCH(bool, expected);
        QTemporaryDir folder;
        const QString socket = folder.filePath(QStringLiteral("wetonara.socket"));
        if (staleFile) {
            QFile left(socket);
            QVERIFY(left.open(QIODevice::WriteOnly));
        }
        const QString path = QStringLiteral("/tmp/d\u00e9j\u00e0 vu/S\u00eeti\nAyu.jav");
        QStringList received;
        platform::QtHandOver running(socket);
        if (listening)
            running.listen([&](const QString &offered) {
                received.append(offered);
                return takes;
            });
        platform::QtHandOver later(socket);
        std::future<bool> answer = std::async(std::launch::async, [&] { return later.offer(path); });
        QTRY_VERIFY_WITH_TIMEOUT(answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 10000);
        QCOMPARE(answer.get(), expected);
        QCOMPARE(received, listening ? QStringList{path} : QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_QtHandOver)
#include "tst_QtHandOver.moc"
