// SPDX-License-Identifier: MIT
#include "modTellAFriend.h"

#include "Identity.h"
#include "weton/Text.h"

#include <QCoreApplication>
#include <QUrl>

namespace modTellAFriend {

QString NamePlaceholder() { return QCoreApplication::translate("modTellAFriend", "Your Name"); }
QString EmailPlaceholder() { return QCoreApplication::translate("modTellAFriend", "Your Email Address"); }
QString MessagePlaceholder() { return QCoreApplication::translate("modTellAFriend", "Your Message"); }
QString FriendNamePlaceholder() { return QCoreApplication::translate("modTellAFriend", "Friend's Name"); }
QString FriendEmailPlaceholder() { return QCoreApplication::translate("modTellAFriend", "Friend's Email Address"); }

const QString ReferralPageAddress = QStringLiteral(WETONARA_SITE "/wetonara/ssd.php?page=qvms-refer-a-friend");

namespace {

Outcome refused(const char *message) { return {QCoreApplication::translate("modTellAFriend", message), {}}; }

// An entry still showing its placeholder holds nothing of the user's.
bool missing(const QString &value, const QString &placeholder) { return value.isEmpty() || value == placeholder; }

// The checks are deliberately loose: the site does the real validation of an address.
bool looksLikeEmailAddress(const QString &address)
{
    return address.contains(QLatin1Char('@')) && address.contains(QLatin1Char('.'));
}

// What the person counts: characters beyond 16 bits as one, and a CR LF line break as one.
qsizetype characterCount(const QString &text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const bool lineBreak =
            text.at(i) == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n');
        i += pair || lineBreak ? 1 : 0;
        ++count;
    }
    return count;
}

QString queryValue(const QString &value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); }

}  // namespace

Outcome cmdSubmit(const Entries &typed)
{
    const Entries trimmed{Text::trimSpaces(typed.name), Text::trimSpaces(typed.email), Text::trimSpaces(typed.message),
                          Text::trimSpaces(typed.friendName), Text::trimSpaces(typed.friendEmail)};
    // Equal addresses come first, so two empty boxes are reported as not distinct.
    if (trimmed.email == trimmed.friendEmail)
        return refused(QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Distinct Email Addresses"));
    if (!looksLikeEmailAddress(trimmed.email) || !looksLikeEmailAddress(trimmed.friendEmail))
        return refused(QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Proper Email Address"));
    return SubmitReferral(trimmed);
}

Outcome SubmitReferral(const Entries &trimmed)
{
    if (missing(trimmed.name, NamePlaceholder()))
        return refused(QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Name"));
    if (missing(trimmed.message, MessagePlaceholder()))
        return refused(QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Message"));
    if (characterCount(trimmed.message) > LongestMessage)
        return {QCoreApplication::translate("modTellAFriend", "Please Enter A Shorter Message (At Most %1 Characters)")
                    .arg(LongestMessage),
                {}};
    if (missing(trimmed.friendName, FriendNamePlaceholder()))
        return refused(QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Name"));
    return {{}, referralAddress(trimmed)};
}

QString referralAddress(const Entries &trimmed)
{
    return ReferralPageAddress + QStringLiteral("&taf1=") + queryValue(trimmed.name) + QStringLiteral("&taf2=")
           + queryValue(trimmed.email) + QStringLiteral("&taf3=") + queryValue(trimmed.message)
           + QStringLiteral("&taf4=") + queryValue(trimmed.friendName) + QStringLiteral("&taf5=")
           + queryValue(trimmed.friendEmail) + QStringLiteral("&taf6=")
           + queryValue(Identity::SiteAddress + QStringLiteral("/wetonara/"));
}

}  // namespace modTellAFriend
