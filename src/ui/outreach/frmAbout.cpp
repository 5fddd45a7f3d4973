// SPDX-License-Identifier: MIT
#include "frmAbout.h"

#include "Identity.h"
#include "ui/kit/Controls.h"
#include "ui/kit/LinkCaption.h"
#include "ui/kit/Look.h"
#include "web/modHelp.h"
#include "weton/InterfaceLanguage.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace {

// The leftmost a right-aligned caption may start: the box's own left margin.
constexpr int LeftMarginTwips = 120;

QString aboutText() { return InterfaceLanguage::contentText(u"about.txt").trimmed(); }

// The site address is a build setting and may be longer than the caption's designed place; the caption
// is right-aligned, so it grows to the left instead of being cut off.
void widenLeftwards(QLabel *caption)
{
    const int needed = QFontMetrics(caption->font()).horizontalAdvance(caption->text()) + 2;
    QRect place = caption->geometry();
    if (needed <= place.width())
        return;
    place.setLeft(qMax(Look::px(LeftMarginTwips), place.right() + 1 - needed));
    caption->setGeometry(place);
}

}  // namespace

frmAbout::frmAbout(platform::Browser &browser) : FormDialog(Identity::VersionCaption, 7080, 3780, Look::PaleYellow)
{
    setObjectName(QStringLiteral("frmAbout"));
    // A dialog frame: no minimise or maximise button. The size is fixed by Form.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    buildHeading();
    buildLinks(browser);
    buildFoot();
    cmdOK->setFocus();
}

void frmAbout::buildHeading()
{
    picIcon = new QLabel(client());
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(Look::rect(120, 120, 480, 480));
    picIcon->setPixmap(Look::programIcon().pixmap(QSize(32, 32)));
    Label2 = Controls::label(client(), "Label2", Identity::VersionCaption, Look::rect(720, 120, 4080, 270),
                             {Look::verdana(12, Look::Bold), Look::Green});
    Label1 = Controls::label(client(), "Label1", aboutText(), Look::rect(720, 510, 6285, 1575),
                             {Look::verdana(8.25), Look::Green, Qt::AlignLeft | Qt::AlignTop, true});
}

void frmAbout::buildLinks(platform::Browser &browser)
{
    const Controls::Text link{Look::verdana(8.25), Look::Teal, Qt::AlignRight | Qt::AlignTop};
    lblHomePage =
        Controls::link(client(), "lblHomePage", tr("Click here to visit %1").arg(Identity::SiteAddress),
                       Look::rect(2955, 2085, 4050, 195), link, [&browser] { modHelp::OpenHomePage(browser); });
    widenLeftwards(lblHomePage);
    Label3 = Controls::label(client(), "Label3",
                             tr("Home Business Opportunity. Start your own Internet business and make "
                                "money online. Get this software fully branded for your website."),
                             Look::rect(120, 2400, 6885, 435),
                             {Look::verdana(8.25, Look::Bold), Look::Green, Qt::AlignLeft | Qt::AlignTop, true});
    // The offer of a fully branded copy, not the co-branding page the other windows' captions open.
    lblCoBrand =
        Controls::link(client(), "lblCoBrand", tr("Click here for more details"), Look::rect(4710, 2835, 2295, 195),
                       link, [&browser] { modHelp::OpenFullyBrandedPage(browser); });
    widenLeftwards(lblCoBrand);
}

void frmAbout::buildFoot()
{
    Line1 = new QFrame(client());
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(Look::rect(0, 3240, 7080, 2 * 15));  // two pixels thick
    Controls::setBackground(Line1, Look::DarkRed);
    cmdOK = Controls::button(client(), "cmdOK", tr("OK"), Look::rect(5745, 3360, 1260, 345), Look::verdana(8.25));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}
