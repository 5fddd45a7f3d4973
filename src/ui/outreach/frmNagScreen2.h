// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"
#include "ui/kit/FormWindow.h"

#include <array>

class CompanionMoves;
class LinkCaption;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The companion-software screen: the last window of a run. It promotes the maker's forum and other
// programs, offers the form that recommends the program to a friend, and closing it ends the run.
// Loaded once, at its first show or hide; shown at exit above other windows, without taking the focus.
class frmNagScreen2 final : public FormWindow
{
    Q_OBJECT
public:
    struct Services
    {
        platform::MessageBoxes &messages;
        platform::Browser &browser;
        const platform::Clock &clock;
        platform::RandomSource &random;
    };

    frmNagScreen2(const Services &services, CompanionMoves &moves);

    // Shown modeless above other windows, without taking the focus from them.
    void showAtExit();

    // The message box's text as the form hands it on: lines end in CR LF.
    QString messageText() const;

    // The promotion texts, by draw value.
    static const std::array<const char *, 4> Promotions;  // translated where shown

protected:
    void closeStep() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPromotion();
    void buildReferralForm();
    void buildAdvert();
    void orderTabs();
    void Form_Load();

    void Check1_Click(bool checked);
    void cmdSubmit_Click();

    // The placeholder rules of the five boxes, and the space refused in the two e-mail boxes.
    QString placeholderOf(const QObject *box) const;  // empty for any other box
    QString boxText(const QObject *box) const;
    void setBoxText(QObject *box, const QString &text);
    bool refuseSpace(QWidget *box, const QEvent *event);

    const Services m_services;
    CompanionMoves &m_moves;

    QLabel *picNagscreen2Icon = nullptr;
    QLabel *lblNagScreen2Caption = nullptr;
    QLabel *Label2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *cmdClose = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLineEdit *txtName = nullptr;
    QLineEdit *txtEmail = nullptr;
    QLineEdit *txtFriendName = nullptr;
    QLineEdit *txtFriendEmail = nullptr;
    QPushButton *cmdSubmit = nullptr;
    QPlainTextEdit *txtMessage = nullptr;
    QGroupBox *Frame6 = nullptr;
    QLabel *Label3 = nullptr;
    LinkCaption *lblGoToHome = nullptr;
};
