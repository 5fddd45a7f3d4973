// SPDX-License-Identifier: MIT
#include "frmNagScreen2.h"

#include "CompanionMoves.h"
#include "Identity.h"
#include "ui/kit/Controls.h"
#include "ui/kit/LinkCaption.h"
#include "ui/kit/Look.h"
#include "ui/kit/Messages.h"
#include "web/modHelp.h"
#include "web/modTellAFriend.h"
#include "weton/InterfaceLanguage.h"
#include "weton/Text.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr QColor CheckBlue{0, 0, 192};
// A function, not a constant: the placeholder lives in another file, initialised in an order of its own.
QString initialMessage() { return modTellAFriend::MessagePlaceholder() + QStringLiteral("\r\n"); }

QString advertText() { return InterfaceLanguage::contentText(u"advert.txt").trimmed(); }

// r in [0, 1) gives 0 to 3, each a quarter of the range; the clamp keeps a generator that reaches 1.0
// (or a stray value) on a valid text.
int promotionDraw(double r) { return std::clamp(static_cast<int>(r * 4), 0, 3); }

QGroupBox *frame(QWidget *parent, const char *name, const QString &title, const QRect &place)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    box->setFont(Look::verdana(9.75, Look::Bold));
    Controls::setBackground(box, Look::Navy);
    Controls::setTextColour(box, Look::White);
    return box;
}

// The white text of the frame would otherwise be inherited by the boxes inside it. A box is named by
// its placeholder, the only caption it has.
QLineEdit *textBox(QWidget *parent, const char *name, const QString &text, const QRect &place)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(text);
    box->setGeometry(place);
    box->setFont(Look::verdana(8.25));
    Controls::setInputColours(box, Look::Black, Look::White);
    return box;
}

// Moving between windows, or opening a menu or a message box, is no move between the form's boxes.
bool movesBetweenControls(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

const std::array<const char *, 4> frmNagScreen2::Promotions{
    QT_TR_NOOP("Tarvex Softwares, such as this can be created and maintained only with your support. The best "
               "way to support Nolvane is to visit Nolvane regularly and take part in the discussions and other "
               "activities on the board."),
    QT_TR_NOOP("Visit Nolvane regularly. Support Nolvane by taking part in the discussions and other activities. "
               "These softwares cannot be supported and maintained, without you regularly visiting Nolvane"),
    QT_TR_NOOP("Nolvane is a FREE online discussion forum for all things tarvex. To help Nolvane develop and "
               "maintain this software visit Nolvane regularly."),
    QT_TR_NOOP("Nolvane needs your help. All you need to do is visit Nolvane regularly and take part in the "
               "various discussions and activites to help us maintain and develop more Tarvex Softwares."),
};

frmNagScreen2::frmNagScreen2(const Services &services, CompanionMoves &moves)
    : FormWindow(Identity::VersionCaption, 11115, 4725, Look::White), m_services(services), m_moves(moves)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    buildPromotion();
    buildReferralForm();
    buildAdvert();
    orderTabs();
    Form_Load();
    cmdClose->setFocus();
}

void frmNagScreen2::buildPromotion()
{
    picNagscreen2Icon = new QLabel(client());
    picNagscreen2Icon->setObjectName(QStringLiteral("picNagscreen2Icon"));
    picNagscreen2Icon->setGeometry(Look::rect(360, 120, 540, 540));
    lblNagScreen2Caption = Controls::label(client(), "lblNagScreen2Caption", QStringLiteral("ABC"),
                                           Look::rect(1080, 240, 0, 0), {Look::msSansSerif(18)});
    Label2 = Controls::label(client(), "Label2", tr(Promotions[1]), Look::rect(120, 840, 6975, 1095),
                             {Look::verdana(9.75, Look::Bold), Look::Black, Qt::AlignLeft | Qt::AlignTop, true});
    Check1 = new QCheckBox(tr("Click Here To Visit Nolvane Now"), client());
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(Look::rect(30, 2040, 7185, 555));
    Check1->setFont(Look::verdana(14.25));
    Check1->setCursor(Qt::PointingHandCursor);
    Controls::setTextColour(Check1, CheckBlue);
    connect(Check1, &QCheckBox::toggled, this, &frmNagScreen2::Check1_Click);
    Check1->installEventFilter(this);  // for its double-clicks
    cmdClose =
        Controls::button(client(), "cmdClose", tr("E&xit"), Look::rect(6000, 2760, 1245, 375), Look::verdana(8.25));
    connect(cmdClose, &QPushButton::clicked, this, [this] { m_moves.EndApplication(); });
}

void frmNagScreen2::buildReferralForm()
{
    Frame2 = frame(client(), "Frame2", tr("Refer A Friend"), Look::rect(120, 3240, 7065, 1455));
    txtName = textBox(Frame2, "txtName", modTellAFriend::NamePlaceholder(), Look::rect(85, 360, 3375, 285));
    txtEmail = textBox(Frame2, "txtEmail", modTellAFriend::EmailPlaceholder(), Look::rect(3600, 360, 3375, 285));
    txtFriendName =
        textBox(Frame2, "txtFriendName", modTellAFriend::FriendNamePlaceholder(), Look::rect(85, 720, 3375, 285));
    txtFriendEmail =
        textBox(Frame2, "txtFriendEmail", modTellAFriend::FriendEmailPlaceholder(), Look::rect(3600, 720, 3375, 285));
    cmdSubmit = Controls::button(Frame2, "cmdSubmit", tr("Refer A Friend &Now"), Look::rect(1920, 1080, 3375, 285),
                                 Look::verdana(8.25, Look::Bold));
    connect(cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    // Placed below the frame's visible part, as the form has always had it: the user cannot see it,
    // but the Tab key still reaches it, and its text goes with every referral.
    txtMessage = new QPlainTextEdit(Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setAccessibleName(modTellAFriend::MessagePlaceholder());
    txtMessage->setGeometry(Look::rect(4800, 3600, 1815, 495));
    txtMessage->setFont(Look::verdana(8.25));
    Controls::setInputColours(txtMessage, Look::Black, Look::White);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    txtMessage->setPlainText(initialMessage());
    for (QWidget *box :
         {static_cast<QWidget *>(txtName), static_cast<QWidget *>(txtEmail), static_cast<QWidget *>(txtFriendName),
          static_cast<QWidget *>(txtFriendEmail), static_cast<QWidget *>(txtMessage)})
        box->installEventFilter(this);
}

void frmNagScreen2::buildAdvert()
{
    Frame6 = frame(client(), "Frame6", tr("Download Tarvex Softwares"), Look::rect(7320, 120, 3735, 4575));
    Label3 = Controls::label(Frame6, "Label3", advertText(), Look::rect(120, 360, 3495, 3855),
                             {Look::verdana(9), Look::White, Qt::AlignLeft | Qt::AlignTop, true});
    platform::Browser &browser = m_services.browser;
    lblGoToHome = Controls::link(Frame6, "lblGoToHome", tr("Click Here To Visit Tarvex Softwares"),
                                 Look::rect(75, 4250, 0, 0), {Look::verdana(9, Look::Bold), Look::Yellow},
                                 [&browser] { modHelp::OpenTarvexSoftwaresPage(browser); });
    lblGoToHome->adjustSize();
}

void frmNagScreen2::orderTabs()
{
    setTabOrder(cmdClose, Check1);
    setTabOrder(Check1, txtName);
    setTabOrder(txtName, cmdSubmit);
    setTabOrder(cmdSubmit, txtEmail);
    setTabOrder(txtEmail, txtFriendEmail);
    setTabOrder(txtFriendEmail, txtFriendName);
    setTabOrder(txtFriendName, txtMessage);
}

void frmNagScreen2::Form_Load()
{
    setWindowTitle(Identity::VersionCaption);
    lblNagScreen2Caption->setText(Identity::VersionCaption);
    lblNagScreen2Caption->adjustSize();
    const QIcon icon = Look::programIcon();
    setWindowIcon(icon);
    picNagscreen2Icon->setPixmap(icon.pixmap(picNagscreen2Icon->size()));
    // Seeded again here, so the promotion does not follow from the start-up draw.
    m_services.random.seed(quint64(m_services.clock.msecsSinceEpoch()));
    Label2->setText(tr(Promotions[promotionDraw(m_services.random.next())]));
    // Above the windows of every program, with no minimise or maximise button; showing it does not take
    // the focus from the window the user is in.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void frmNagScreen2::showAtExit() { showCentred(); }

QString frmNagScreen2::messageText() const
{
    // The box keeps a line break as one character; the form hands on lines ending in CR LF.
    return txtMessage->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void frmNagScreen2::Check1_Click(bool checked)
{
    // The box is a link in the look of a check box: it never stays checked.
    if (!checked)
        return;
    Check1->setChecked(false);
    modHelp::OpenHomePage(m_services.browser);
}

void frmNagScreen2::cmdSubmit_Click()
{
    const modTellAFriend::Outcome outcome = modTellAFriend::cmdSubmit(
        {txtName->text(), txtEmail->text(), messageText(), txtFriendName->text(), txtFriendEmail->text()});
    if (!outcome.refusal.isEmpty()) {
        Messages::show(m_services.messages, outcome.refusal, platform::MessageIcon::Critical);
        return;
    }
    modHelp::OpenWebAddress(m_services.browser, outcome.address);
}

QString frmNagScreen2::placeholderOf(const QObject *box) const
{
    if (box == txtName)
        return modTellAFriend::NamePlaceholder();
    if (box == txtEmail)
        return modTellAFriend::EmailPlaceholder();
    if (box == txtFriendName)
        return modTellAFriend::FriendNamePlaceholder();
    if (box == txtFriendEmail)
        return modTellAFriend::FriendEmailPlaceholder();
    if (box == txtMessage)
        return modTellAFriend::MessagePlaceholder();
    return {};
}

QString frmNagScreen2::boxText(const QObject *box) const
{
    return box == txtMessage ? messageText() : static_cast<const QLineEdit *>(box)->text();
}

void frmNagScreen2::setBoxText(QObject *box, const QString &text)
{
    if (box == txtMessage)
        txtMessage->setPlainText(text);
    else
        static_cast<QLineEdit *>(box)->setText(text);
}

bool frmNagScreen2::refuseSpace(QWidget *box, const QEvent *event)
{
    const bool emailBox = box == txtEmail || box == txtFriendEmail;
    if (!emailBox || static_cast<const QKeyEvent *>(event)->text() != QStringLiteral(" "))
        return false;
    Messages::show(m_services.messages, tr("Email Address Cannot Contain Space"), platform::MessageIcon::Critical);
    box->setFocus();
    return true;
}

bool frmNagScreen2::eventFilter(QObject *watched, QEvent *event)
{
    // A double-click on the link box is one click: its second press would open the page again.
    if (watched == Check1)
        return event->type() == QEvent::MouseButtonDblClick;
    const QString placeholder = placeholderOf(watched);
    if (placeholder.isEmpty())
        return FormWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (movesBetweenControls(event) && Text::trimSpaces(boxText(watched)) == placeholder)
            setBoxText(watched, QString());
        break;
    case QEvent::FocusOut:
        if (movesBetweenControls(event) && Text::trimSpaces(boxText(watched)).isEmpty())
            setBoxText(watched, placeholder);
        break;
    case QEvent::KeyPress: return refuseSpace(static_cast<QWidget *>(watched), event);
    default: break;
    }
    return FormWindow::eventFilter(watched, event);
}

void frmNagScreen2::closeStep() { m_moves.EndApplication(); }
