// SPDX-License-Identifier: MIT
#include "Identity.h"
#include "web/modTellAFriend.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>
#include <cctype>

using modTellAFriend::Entries;

namespace {

const QString Page = Identity::SiteAddress + QStringLiteral("/wetonara/ssd.php?page=qvms-refer-a-friend");

// A query value by the rule of RFC 3986 written out by hand: letters, digits and "-._~" stay, every
// other UTF-8 byte becomes %XX.
QString handEncoded(const QString &value)
{
    QString out;
    for (const char c : value.toUtf8()) {
        const uchar byte = uchar(c);
        if (std::isalnum(byte) || byte == '-' || byte == '.' || byte == '_' || byte == '~')
            out += QLatin1Char(c);
        else
            out += QStringLiteral("%%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    }
    return out;
}

QString address(const QString &fields)
{
    return Page + fields + QStringLiteral("&taf6=") + handEncoded(Identity::SiteAddress + QStringLiteral("/wetonara/"));
}

const Entries Valid{QStringLiteral("Ann"), QStringLiteral("ann@example.org"), QStringLiteral("Hello"),
                    QStringLiteral("Bo"), QStringLiteral("bo@example.net")};
const QString ValidFields = QStringLiteral("&taf1=Ann&taf2=ann%40example.org&taf3=Hello&taf4=Bo&taf5=bo%40example.net");

Entries with(Entries entries, QString Entries::*field, const QString &value)
{
    entries.*field = value;
    return entries;
}

}  // namespace

class tst_modTellAFriend : public QObject
{
    Q_OBJECT
private slots:
    void checksInTheirOrder_data();
    void checksInTheirOrder();
    void valuesStayInsideTheirFields_data();
    void valuesStayInsideTheirFields();
    void siteFolderIsTheLastField();
};

void tst_modTellAFriend::checksInTheirOrder_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("refusal");

    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    const QString name = QStringLiteral("Please Enter Your Name");
    const QString noMessage = QStringLiteral("Please Enter Your Message");
    const QString friendName = QStringLiteral("Please Enter Your Friend's Name");
    const auto email = &Entries::email;
    const auto friendEmail = &Entries::friendEmail;

    QTest::newRow("both addresses empty: not distinct, before anything else") << Entries{} << distinct;
    QTest::newRow("same address twice, even with every name missing")
        << Entries{{}, QStringLiteral("a@b.c"), {}, {}, QStringLiteral("a@b.c")} << distinct;
    QTest::newRow("addresses equal once their spaces are trimmed")
        << with(with(Valid, email, QStringLiteral("  a@b.c")), friendEmail, QStringLiteral("a@b.c   ")) << distinct;
    QTest::newRow("addresses differing in case only are distinct")
        << with(with(Valid, email, QStringLiteral("A@b.c")), friendEmail, QStringLiteral("a@b.c")) << QString();
    QTest::newRow("sender's address still its placeholder")
        << with(Valid, email, QStringLiteral("Your Email Address")) << proper;
    QTest::newRow("friend's address still its placeholder")
        << with(Valid, friendEmail, QStringLiteral("Friend's Email Address")) << proper;
    QTest::newRow("one address empty, the other filled") << with(Valid, email, QString()) << proper;
    QTest::newRow("address without @") << with(Valid, email, QStringLiteral("ann.example.org")) << proper;
    QTest::newRow("friend's address with @ but no dot")
        << with(Valid, friendEmail, QStringLiteral("bo@example")) << proper;
    QTest::newRow("address whose only dot is before the @ passes")
        << with(Valid, email, QStringLiteral("ann.lee@example")) << QString();
    QTest::newRow("address checks come before the name check")
        << with(with(Valid, &Entries::name, QString()), email, QStringLiteral("nonsense")) << proper;
    QTest::newRow("name left as its placeholder, all else filled")
        << with(Valid, &Entries::name, QStringLiteral("Your Name")) << name;
    QTest::newRow("name of spaces only") << with(Valid, &Entries::name, QStringLiteral("   ")) << name;
    QTest::newRow("placeholder compared case-sensitively")
        << with(Valid, &Entries::name, QStringLiteral("your name")) << QString();
    QTest::newRow("name check comes before the message check")
        << with(with(Valid, &Entries::name, QString()), &Entries::message, QString()) << name;
    QTest::newRow("message emptied and left: its placeholder")
        << with(Valid, &Entries::message, QStringLiteral("Your Message")) << noMessage;
    QTest::newRow("message placeholder with spaces around it")
        << with(Valid, &Entries::message, QStringLiteral("  Your Message ")) << noMessage;
    QTest::newRow("untouched message box, placeholder and line break, passes")
        << with(Valid, &Entries::message, QStringLiteral("Your Message\r\n")) << QString();
    const QString tooLong = QStringLiteral("Please Enter A Shorter Message (At Most 2000 Characters)");
    const auto message = &Entries::message;
    const QString emoji = QStringLiteral("\U0001F600");
    QTest::newRow("message of 2000 letters, spaces around it, passes")
        << with(Valid, message, "  " + QString(2000, u'm') + "  ") << QString();
    QTest::newRow("message of 2001 letters is refused") << with(Valid, message, QString(2001, u'm')) << tooLong;
    QTest::newRow("a CR LF line break counts as one: 1000 short lines pass")
        << with(Valid, message, QStringLiteral("m\r\n").repeated(1000)) << QString();
    QTest::newRow("an emoji counts as one: 2000 pass, one letter more is refused, before the friend's name")
        << with(with(Valid, message, emoji.repeated(2000) + u'm'), &Entries::friendName, QString()) << tooLong;
    QTest::newRow("2000 emoji pass") << with(Valid, message, emoji.repeated(2000)) << QString();
    QTest::newRow("message check comes before the friend's name check")
        << with(with(Valid, &Entries::message, QString()), &Entries::friendName, QString()) << noMessage;
    QTest::newRow("friend's name left as its placeholder")
        << with(Valid, &Entries::friendName, QStringLiteral("Friend's Name")) << friendName;
    QTest::newRow("friend's name empty") << with(Valid, &Entries::friendName, QString()) << friendName;
}

void tst_modTellAFriend::checksInTheirOrder()
{
    QFETCH(Entries, entries);
    QFETCH(QString, refusal);
    const modTellAFriend::Outcome outcome = modTellAFriend::cmdSubmit(entries);
    QCOMPARE(outcome.refusal, refusal);
    // A refused submission opens nothing; an accepted one always has its address.
    QCOMPARE(outcome.address.isEmpty(), !refusal.isEmpty());
    if (refusal.isEmpty())
        QVERIFY(outcome.address.startsWith(Page + QStringLiteral("&taf1=")));
}

void tst_modTellAFriend::valuesStayInsideTheirFields_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QStringList>("decoded");  // taf1 to taf5 as the site reads them back

    QTest::newRow("plain entries") << Valid << ValidFields
                                   << QStringList{"Ann", "ann@example.org", "Hello", "Bo", "bo@example.net"};
    QTest::newRow("spaces trimmed at the ends, inner space encoded")
        << with(Valid, &Entries::name, QStringLiteral("  Ann Lee  "))
        << QStringLiteral("&taf1=Ann%20Lee&taf2=ann%40example.org&taf3=Hello&taf4=Bo&taf5=bo%40example.net")
        << QStringList{"Ann Lee", "ann@example.org", "Hello", "Bo", "bo@example.net"};
    QTest::newRow("untouched message box: CR LF encoded")
        << with(Valid, &Entries::message, QStringLiteral("Your Message\r\n"))
        << QStringLiteral("&taf1=Ann&taf2=ann%40example.org&taf3=Your%20Message%0D%0A&taf4=Bo&taf5=bo%40example.net")
        << QStringList{"Ann", "ann@example.org", "Your Message\r\n", "Bo", "bo@example.net"};
    QTest::newRow("name with & = # spaces and a line break cannot add a field")
        << with(Valid, &Entries::name, QStringLiteral("Ann & Bo=1#x\r\n&taf5=evil@x.y"))
        << QStringLiteral("&taf1=Ann%20%26%20Bo%3D1%23x%0D%0A%26taf5%3Devil%40x.y&taf2=ann%40example.org&taf3=Hello"
                          "&taf4=Bo&taf5=bo%40example.net")
        << QStringList{"Ann & Bo=1#x\r\n&taf5=evil@x.y", "ann@example.org", "Hello", "Bo", "bo@example.net"};
    QTest::newRow("percent sign, plus and a tab are kept as typed")
        << with(Valid, &Entries::message, QStringLiteral("%41+1\tok"))
        << QStringLiteral("&taf1=Ann&taf2=ann%40example.org&taf3=%2541%2B1%09ok&taf4=Bo&taf5=bo%40example.net")
        << QStringList{"Ann", "ann@example.org", "%41+1\tok", "Bo", "bo@example.net"};
    QTest::newRow("letters beyond ASCII as UTF-8")
        << with(Valid, &Entries::friendName, QStringLiteral("Ño\u00F1o \uA9AE \U0001F600"))
        << QStringLiteral("&taf1=Ann&taf2=ann%40example.org&taf3=Hello&taf4=%C3%91o%C3%B1o%20%EA%A6%AE%20%F0%9F%98%80"
                          "&taf5=bo%40example.net")
        << QStringList{"Ann", "ann@example.org", "Hello", "Ño\u00F1o \uA9AE \U0001F600", "bo@example.net"};
    const QString longName(20000, QLatin1Char('a'));
    QTest::newRow("a very long name") << with(Valid, &Entries::name, longName)
                                      << QStringLiteral("&taf1=") + longName
                                             + QStringLiteral(
                                                 "&taf2=ann%40example.org&taf3=Hello&taf4=Bo&taf5=bo%40example.net")
                                      << QStringList{longName, "ann@example.org", "Hello", "Bo", "bo@example.net"};
}

void tst_modTellAFriend::valuesStayInsideTheirFields()
{
    QFETCH(Entries, entries);
    QFETCH(QString, fields);
    QFETCH(QStringList, decoded);
    const modTellAFriend::Outcome outcome = modTellAFriend::cmdSubmit(entries);
    QVERIFY2(outcome.refusal.isEmpty(), qPrintable(outcome.refusal));
    QCOMPARE(outcome.address, address(fields));

    // Read back as a browser would: the page and exactly six fields, each holding what was typed.
    const QUrl url(outcome.address, QUrl::StrictMode);
    QVERIFY(url.isValid());
    QVERIFY(!url.hasFragment());
    const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    QCOMPARE(items.size(), 7);
    QCOMPARE(items[0], qMakePair(QStringLiteral("page"), QStringLiteral("qvms-refer-a-friend")));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(items[i + 1].first, QStringLiteral("taf%1").arg(i + 1));
        QCOMPARE(items[i + 1].second, decoded[i]);
    }
}

void tst_modTellAFriend::siteFolderIsTheLastField()
{
    const QString sent = modTellAFriend::cmdSubmit(Valid).address;
    const QString taf6 = sent.mid(sent.lastIndexOf(QStringLiteral("&taf6=")) + 6);
    QCOMPARE(QUrl::fromPercentEncoding(taf6.toLatin1()), Identity::SiteAddress + QStringLiteral("/wetonara/"));
    QVERIFY2(!taf6.contains(QLatin1Char('/')) && !taf6.contains(QLatin1Char(':')), qPrintable(taf6));
    if (Identity::SiteAddress == QStringLiteral("https://www.wetonara.org"))
        QCOMPARE(taf6, QStringLiteral("https%3A%2F%2Fwww.wetonara.org%2Fwetonara%2F"));
}

QTEST_APPLESS_MAIN(tst_modTellAFriend)
#include "tst_modTellAFriend.moc"
