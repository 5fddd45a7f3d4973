// SPDX-License-Identifier: MIT
#include "platform/qt/LocalChannel.h"
#include "platform/qt/QtHandOver.h"

#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
#include <unistd.h>

// The running copy's server and a later copy's offer, in one process: the offer blocks while it waits,
// so it runs on a thread of its own while the server answers from the event loop.
namespace {

enum class Visitor { Offers, HangsUpAfterTheAnswer };

struct Listener
{
    explicit Listener(const QString &path) : handOver(path)
    {
        handOver.listen({[this] { return ready; }, [this](const QString &path) { taken.append(path); }});
    }
    platform::QtHandOver handOver;
    bool ready = true;
    QStringList taken;
};

bool offerFromAnotherCopy(const QString &socketPath, const QString &file)
{
    std::future<bool> answer = std::async(std::launch::async, [&] {
        platform::QtHandOver later(socketPath);
        return later.offer(file);
    });
    while (answer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QTest::qWait(5);
    return answer.get();
}

}  // namespace

Q_DECLARE_METATYPE(Visitor)

class tst_QtHandOver : public QObject
{
    Q_OBJECT
private slots:
    void theAnswerIsTrue_data();
    void theAnswerIsTrue();
    void idleAndSurplusVisitorsAreLetGo();
    void failedAcceptDoesNotEndListening();
    void socketThatCannotBeMadeIsReportedOnce();

private:
    QTemporaryDir m_scratch;
    QString socketPath() const { return m_scratch.filePath(QStringLiteral("wetonara.socket")); }
};

void tst_QtHandOver::theAnswerIsTrue_data()
{
    QTest::addColumn<bool>("ready");
    QTest::addColumn<Visitor>("visitor");
    QTest::addColumn<bool>("taken");
    QTest::newRow("ready: taken once the later copy heard it") << true << Visitor::Offers << true;
    QTest::newRow("busy: refused, nothing opens") << false << Visitor::Offers << false;
    QTest::newRow("a copy gone before it heard the answer: nothing opens")
        << true << Visitor::HangsUpAfterTheAnswer << false;
}

void tst_QtHandOver::theAnswerIsTrue()
{
    QFETCH(bool, ready);
    QFETCH(Visitor, visitor);
    QFETCH(bool, taken);
    Listener listener(socketPath());
    listener.ready = ready;
    const QString file = QStringLiteral("/home/siti/Sîti's reading.jav");
    if (visitor == Visitor::Offers) {
        QCOMPARE(offerFromAnotherCopy(socketPath(), file), taken);
    } else {
        const auto copy = platform::LocalClient::connectTo(socketPath(), 2000);
        QVERIFY(copy && copy->send(file.toUtf8() + '\0'));
        QByteArray answer;
        QVERIFY(QTest::qWaitFor([&] { return !(answer = copy->receiveByte(0)).isEmpty(); }));
        QCOMPARE(answer, QByteArray("Y"));
    }
    QTest::qWait(50);  // a late acknowledgement would arrive now
    QCOMPARE(listener.taken, taken ? QStringList{file} : QStringList());
}

// Connections that never make an offer end after a few seconds, and never more than a handful are kept,
// so they cannot use up the process's descriptors.
void tst_QtHandOver::idleAndSurplusVisitorsAreLetGo()
{
    Listener listener(socketPath());
    std::vector<std::unique_ptr<platform::LocalClient>> idle;
    for (int i = 0; i < 20; ++i)
        idle.push_back(platform::LocalClient::connectTo(socketPath(), 2000));
    QVERIFY(std::all_of(idle.begin(), idle.end(), [](const auto &client) { return bool(client); }));
    // Sending fails on a connection the running copy closed; a byte that is no offer changes nothing.
    const auto stillOpen = [&] {
        return std::count_if(idle.begin(), idle.end(), [](const auto &client) { return client->send("x"); });
    };
    QTRY_COMPARE_WITH_TIMEOUT(stillOpen(), 8, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(stillOpen(), 0, 8000);
    QVERIFY(offerFromAnotherCopy(socketPath(), QStringLiteral("a.jav")));
}

void tst_QtHandOver::failedAcceptDoesNotEndListening()
{
    Listener listener(socketPath());
    rlimit limit{};
    QCOMPARE(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    const rlimit lowered{256, limit.rlim_max};
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    // Every descriptor but one in use: the connecting copy takes it, and the server's accept fails.
    std::vector<int> filling;
    for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
        filling.push_back(fd);
    QVERIFY(!filling.empty());
    ::close(filling.back());
    filling.pop_back();
    const auto refused = platform::LocalClient::connectTo(socketPath(), 2000);
    QTest::qWait(300);  // the listener's accepts fail meanwhile
    for (const int fd : filling)
        ::close(fd);
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &limit), 0);
    QVERIFY(refused);
    QVERIFY(offerFromAnotherCopy(socketPath(), QStringLiteral("a.jav")));
    QTRY_COMPARE(listener.taken, QStringList{QStringLiteral("a.jav")});
}

void tst_QtHandOver::socketThatCannotBeMadeIsReportedOnce()
{
    // Longer than a Unix socket's address can hold.
    const QString tooLong = m_scratch.filePath(QString(120, QLatin1Char('x')));
    QTemporaryFile captured;
    QVERIFY(captured.open());
    const int savedError = ::dup(STDERR_FILENO);
    ::dup2(captured.handle(), STDERR_FILENO);
    {
        Listener listener(tooLong);
        QTest::qWait(50);
    }
    ::dup2(savedError, STDERR_FILENO);
    ::close(savedError);
    QVERIFY(captured.seek(0));
    const QByteArray said = captured.readAll();
    QVERIFY2(said.startsWith("wetonara: later copies cannot hand files to this one: ") && said.count('\n') == 1,
             said.constData());
}

QTEST_GUILESS_MAIN(tst_QtHandOver)
#include "tst_QtHandOver.moc"
