// SPDX-License-Identifier: MIT
#pragma once

#include "ui/kit/Controls.h"

class LinkCaption;
class QGroupBox;

namespace platform {
class Browser;
}

// The promotional captions shared by the entry, result and report windows; each opens its page in the
// browser.
namespace Branding {

QString FullBrandCaption();
QString CoBrandCaption();
QString ForumCaption();       // entry and result windows
QString ForumShortCaption();  // report window, first line
QString VisitCaption();       // report window, second line

struct Offers
{
    LinkCaption *lblFullBrand = nullptr;
    LinkCaption *lblCobrand = nullptr;
};

// Both offers on the same place inside the frame; the one created later lies on top.
enum class OnTop { CoBrand, FullBrand };
Offers addOffers(QWidget *frame, const QRect &place, const Controls::Text &look, OnTop onTop,
                 platform::Browser &browser);

// The bordered frame "fraFullBrand" of the entry and report windows: both offers centred in blue, the
// co-branding one on top.
struct OfferFrame
{
    QGroupBox *fraFullBrand = nullptr;
    Offers offers;
};
OfferFrame addOfferFrame(QWidget *parent, const QRect &place, int offerWidthTwips, platform::Browser &browser);

// The forum caption that opens the home page.
LinkCaption *addForumLink(QWidget *parent, const char *name, const QString &caption, const QRect &place,
                          const Controls::Text &look, platform::Browser &browser);

}  // namespace Branding
