// SPDX-License-Identifier: MIT
#include "OpenDescriptors.h"
#include "platform/qt/LocalChannel.h"
#include "platform/qt/QtHandOver.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// The running copy's server and a later copy's offer, in one process: the offer blocks while it waits,
// so it runs on a thread of its own while the server answers from the event loop.
namespace {

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

mode_t fileCreationMask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

}  // namespace

class tst_QtHandOver : public QObject
{
    Q_OBJECT
private slots:
    void theAnswerIsTrue_data();
    void theAnswerIsTrue();
    void offersAreHeardExactly_data();
    void offersAreHeardExactly();
    void laterCopyGivesUpOnAStoppedCopy();
    void idleAndSurplusVisitorsAreLetGo();
    void visitorsThatHangUpAreLetGoAtOnce();
    void failedAcceptDoesNotEndListening();
    void socketThatCannotBeMadeIsReportedOnce_data();
    void socketThatCannotBeMadeIsReportedOnce();

private:
    QTemporaryDir m_scratch;
    QString socketPath() const { return m_scratch.filePath(QStringLiteral("wetonara.socket")); }
};

void tst_QtHandOver::theAnswerIsTrue_data()
{
    QTest::addColumn<bool>("ready");
    QTest::newRow("ready: taken once the later copy heard it") << true;
    QTest::newRow("busy: refused, nothing opens") << false;
}

void tst_QtHandOver::theAnswerIsTrue()
{
    QFETCH(bool, ready);
    const mode_t usualMask = fileCreationMask();
    Listener listener(socketPath());
    listener.ready = ready;
    // Made with no rights for others, as it was bound; the files the program makes later keep the usual mask.
    QCOMPARE(QFile::permissions(socketPath()),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    QCOMPARE(fileCreationMask(), usualMask);
    const QString file = QStringLiteral("/home/siti/Sîti's reading.jav");
    QCOMPARE(offerFromAnotherCopy(socketPath(), file), ready);
    QTest::qWait(50);  // a late acknowledgement would arrive now
    QCOMPARE(listener.taken, ready ? QStringList{file} : QStringList());
}

void tst_QtHandOver::offersAreHeardExactly_data()
{
    QTest::addColumn<QByteArray>("offer");
    QTest::addColumn<QByteArray>("reply");   // sent after a 'Y'; none: the visitor hangs up
    QTest::addColumn<QByteArray>("answer");  // 'Y', or none when the visitor is let go unanswered
    QTest::addColumn<bool>("taken");
    const QByteArray path = "/home/siti/reading.jav";
    const qsizetype limit = 64 * 1024;
    QTest::newRow("confirmed with K: taken") << path + '\0' << QByteArray("K") << QByteArray("Y") << true;
    QTest::newRow("a reply other than K: nothing opens") << path + '\0' << QByteArray("X") << QByteArray("Y") << false;
    QTest::newRow("a copy gone before it heard the answer: nothing opens")
        << path + '\0' << QByteArray() << QByteArray("Y") << false;
    QTest::newRow("an offer as long as the limit is heard")
        << QByteArray(limit, 'a') + '\0' << QByteArray("K") << QByteArray("Y") << true;
    QTest::newRow("one byte past the limit, then its end: let go unanswered")
        << QByteArray(limit + 1, 'a') + '\0' << QByteArray("K") << QByteArray() << false;
    QTest::newRow("100 KB ending in NUL: let go unanswered")
        << QByteArray(100 * 1024, 'a') + '\0' << QByteArray("K") << QByteArray() << false;
}

// The protocol from the later copy's side, byte by byte.
void tst_QtHandOver::offersAreHeardExactly()
{
    QFETCH(QByteArray, offer);
    QFETCH(QByteArray, reply);
    QFETCH(QByteArray, answer);
    QFETCH(bool, taken);
    Listener listener(socketPath());
    {
        const auto copy = platform::LocalClient::connectTo(socketPath(), 2000);
        QVERIFY(copy && copy->send(offer));
        QByteArray heard;
        // No answer is a valid outcome: the wait then ends without one.
        [[maybe_unused]] const bool answered =
            QTest::qWaitFor([&] { return !(heard = copy->receiveByte(0)).isEmpty(); }, 1000);
        QCOMPARE(heard, answer);
        if (!reply.isEmpty())
            copy->send(reply);
        QTest::qWait(50);  // the reply arrives
    }
    QTest::qWait(50);  // a late one would arrive now
    const QString path = QString::fromUtf8(offer.chopped(1));
    QCOMPARE(listener.taken, taken ? QStringList{path} : QStringList());
}

// A running copy that is stopped (or hangs) with its queue of waiting connections full: a later copy
// gives up within its time limit and says a copy is running, instead of waiting for ever.
void tst_QtHandOver::laterCopyGivesUpOnAStoppedCopy()
{
    const QByteArray path = QFile::encodeName(socketPath());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::copy(path.cbegin(), path.cend(), address.sun_path);
    const auto *where = reinterpret_cast<const sockaddr *>(&address);
    const int stopped = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    QVERIFY(::bind(stopped, where, sizeof address) == 0 && ::listen(stopped, 0) == 0);
    std::vector<int> queued;
    for (int fd; (fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)) >= 0;) {
        if (::connect(fd, where, sizeof address) != 0) {
            ::close(fd);
            break;
        }
        queued.push_back(fd);
    }
    const QStringList descriptorsBefore = openDescriptors();
    QElapsedTimer waited;
    waited.start();
    std::future<bool> offered = std::async(
        std::launch::async, [&] { return platform::QtHandOver(socketPath()).offer(QStringLiteral("a.jav")); });
    const bool gaveUp = offered.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    const qint64 waitedMs = waited.elapsed();
    const QStringList descriptorsAfter = openDescriptors();
    ::close(stopped);  // wakes a connect that still waits, so the test can end
    for (const int fd : queued)
        ::close(fd);
    std::printf("the later copy gave up on the stopped copy after %lld ms\n", static_cast<long long>(waitedMs));
    QVERIFY2(gaveUp, "the later copy still waited after 20 s");
    QVERIFY(!offered.get());
    QCOMPARE(descriptorsAfter, descriptorsBefore);  // the socket it gave up on is closed
    ::unlink(path.constData());
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

// Copies that hang up free their places at once, not when their time is up: a file offered right after
// as many visitors as are served at once came and went is still taken.
void tst_QtHandOver::visitorsThatHangUpAreLetGoAtOnce()
{
    Listener listener(socketPath());
    for (int i = 0; i < 8; ++i)
        QVERIFY(platform::LocalClient::connectTo(socketPath(), 2000));
    QTest::qWait(100);
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

void tst_QtHandOver::socketThatCannotBeMadeIsReportedOnce_data()
{
    QTest::addColumn<QString>("name");  // in the test's folder
    QTest::newRow("longer than a Unix socket's address can hold") << QString(120, QLatin1Char('x'));
    QTest::newRow("in a folder that is not there") << QStringLiteral("gone/wetonara.socket");
}

void tst_QtHandOver::socketThatCannotBeMadeIsReportedOnce()
{
    QFETCH(QString, name);
    QTemporaryFile captured;
    QVERIFY(captured.open());
    const int savedError = ::dup(STDERR_FILENO);
    ::dup2(captured.handle(), STDERR_FILENO);
    const QStringList descriptorsBefore = openDescriptors();
    QStringList descriptorsAfter;
    {
        Listener listener(m_scratch.filePath(name));
        QTest::qWait(50);
        descriptorsAfter = openDescriptors();
    }
    ::dup2(savedError, STDERR_FILENO);
    ::close(savedError);
    QVERIFY(captured.seek(0));
    const QByteArray said = captured.readAll();
    QVERIFY2(said.startsWith("wetonara: later copies cannot hand files to this one: ") && said.count('\n') == 1,
             said.constData());
    QCOMPARE(descriptorsAfter, descriptorsBefore);  // the socket that could not listen is closed
}

QTEST_GUILESS_MAIN(tst_QtHandOver)
#include "tst_QtHandOver.moc"
