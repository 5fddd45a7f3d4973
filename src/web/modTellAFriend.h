// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Recommending the program to a friend: the checks of the five entries and the referral address that
// hands them to the maker's site. Values in, outcome out; the window only reads its boxes, shows the
// refusal and opens the address.
namespace modTellAFriend {

// The texts the five boxes of the form show while they hold nothing of the user's, in the interface's
// language.
[[nodiscard]] QString NamePlaceholder();
[[nodiscard]] QString EmailPlaceholder();
[[nodiscard]] QString MessagePlaceholder();
[[nodiscard]] QString FriendNamePlaceholder();
[[nodiscard]] QString FriendEmailPlaceholder();

// The referral page; the entries follow as the query fields taf1 to taf5, the program's folder as taf6.
extern const QString ReferralPageAddress;

// The longest message the referral address carries, in characters as the person counts them (a line
// break and a character beyond 16 bits count as one). Longer addresses are not carried by every browser,
// proxy and server; the message is by far the longest of the five fields.
constexpr qsizetype LongestMessage = 2000;

struct Entries
{
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

struct Outcome
{
    QString refusal;  // the message that stops the submission, or empty
    QString address;  // the referral address to open, when nothing was refused
};

// The submit button: trims the entries (spaces only), checks the two e-mail addresses, then hands over to
// SubmitReferral.
[[nodiscard]] Outcome cmdSubmit(const Entries &typed);

// The completeness checks of name, message and friend's name (already trimmed), then the address.
[[nodiscard]] Outcome SubmitReferral(const Entries &trimmed);

// Each value is percent-encoded as a query value, so that whatever a person types ("&", "=", "#",
// spaces, line breaks) stays inside its own field and cannot add or end one.
[[nodiscard]] QString referralAddress(const Entries &trimmed);

}  // namespace modTellAFriend
