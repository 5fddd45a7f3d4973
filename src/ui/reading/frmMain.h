// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"
#include "ui/kit/FormWindow.h"
#include "web/CoBrand.h"

#include <array>

class EntryMoves;
class LinkCaption;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct CurrentReading;

// The entry window: name and date of birth in, Calculate out.
class frmMain final : public FormWindow
{
    Q_OBJECT
public:
    struct Services
    {
        platform::MessageBoxes &messages;
        platform::FileDialogs &fileDialogs;
        platform::Browser &browser;
    };

    // Calculate stores the birth data into the reading.
    frmMain(const Services &services, CurrentReading &reading, EntryMoves &moves);

    // True when the input may be reckoned; otherwise shows why and returns false.
    bool ValidateEntry();
    // The Calculate move: check, store the reading, reckon, hand over to the result window.
    void Calculate();
    // The Open move: a saved reading chosen in the open dialog into the fields, then Calculate.
    void Open();
    // The Open move from the point where the dialog has given its path (also a file named on the
    // command line): the same checks and messages.
    void OpenFile(const QString &path);

    void bringOfferToFront(CoBrand::Front front);

protected:
    void closeStep() override;

private:
    void buildIntroduction();
    void buildPersonalDetails();
    void buildBranding();
    void buildMenus();
    void Form_Load();

    void storeReading();
    bool loadSavedReading(const QString &path);
    bool refuseDate(const QString &message);

    const Services m_services;
    CurrentReading &m_reading;
    EntryMoves &m_moves;

    LinkCaption *Label14 = nullptr;
    std::array<QLabel *, 2> Label2{};
    QPushButton *cmdOpen = nullptr;
    QGroupBox *Frame1 = nullptr;
    std::array<QLabel *, 2> Label1{};
    QLineEdit *txtName = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboYear = nullptr;
    QCheckBox *chkAfterSunset = nullptr;
    QPushButton *cmdCalculate = nullptr;
    QGroupBox *fraFullBrand = nullptr;
    LinkCaption *lblFullBrand = nullptr;
    LinkCaption *lblCobrand = nullptr;
    QAction *mnuMayan = nullptr;
    QAction *mnuExit = nullptr;
};
