// SPDX-License-Identifier: MIT
#include "Branding.h"

#include "ui/kit/LinkCaption.h"
#include "web/modHelp.h"

#include <QCoreApplication>
#include <QGroupBox>

namespace Branding {

// Functions, not constants: the captions are read after the translation is installed.
QString FullBrandCaption()
{
    return QCoreApplication::translate(
        "Branding", "Home Business Opportunity. Start your own Internet business and make money online. Get this "
                    "software fully branded for your website. Click here for more details.");
}
QString CoBrandCaption()
{
    return QCoreApplication::translate(
        "Branding", "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
                    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on co-branding.");
}
QString ForumCaption()
{
    return QCoreApplication::translate(
        "Branding", "The Most Popular Online Tarvex Discussion Forum. Click Here To Visit Nolvane Now.");
}
QString ForumShortCaption()
{
    return QCoreApplication::translate("Branding", "The Most Popular Online Tarvex Discussion Forum");
}
QString VisitCaption() { return QCoreApplication::translate("Branding", "Click Here To Visit Nolvane Now"); }

Offers addOffers(QWidget *frame, const QRect &place, const Controls::Text &look, OnTop onTop,
                 platform::Browser &browser)
{
    const auto addFull = [&] {
        return Controls::link(frame, "lblFullBrand", FullBrandCaption(), place, look,
                              [&browser] { modHelp::OpenFullyBrandedPage(browser); });
    };
    const auto addCo = [&] {
        return Controls::link(frame, "lblCobrand", CoBrandCaption(), place, look,
                              [&browser] { modHelp::OpenCoBrandPage(browser); });
    };
    Offers offers;
    // The offers are opaque, so the one on top hides the other completely.
    const auto opaque = [frame](LinkCaption *offer) {
        Controls::setBackground(offer, frame->palette().color(QPalette::Window));
        return offer;
    };
    if (onTop == OnTop::CoBrand) {
        offers.lblFullBrand = opaque(addFull());
        offers.lblCobrand = opaque(addCo());
    } else {
        offers.lblCobrand = opaque(addCo());
        offers.lblFullBrand = opaque(addFull());
    }
    return offers;
}

OfferFrame addOfferFrame(QWidget *parent, const QRect &place, int offerWidthTwips, platform::Browser &browser)
{
    OfferFrame built;
    built.fraFullBrand = new QGroupBox(parent);
    built.fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    built.fraFullBrand->setGeometry(place);
    built.offers = addOffers(built.fraFullBrand, Look::rect(120, 165, offerWidthTwips, 615),
                             {Look::verdana(8.25, Look::Bold), Look::Blue, Qt::AlignHCenter | Qt::AlignTop, true},
                             OnTop::CoBrand, browser);
    return built;
}

LinkCaption *addForumLink(QWidget *parent, const char *name, const QString &caption, const QRect &place,
                          const Controls::Text &look, platform::Browser &browser)
{
    return Controls::link(parent, name, caption, place, look, [&browser] { modHelp::OpenHomePage(browser); });
}

}  // namespace Branding
