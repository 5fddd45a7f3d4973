#include "frmNagScreen2.h"

#include "Identity.h"
#include "Look.h"
#include "WindowSet.h"

frmNagScreen2::frmNagScreen2(WindowSet &set) : FormWindow(Identity::VersionCaption, 11115, 4725, Look::White), m_set(set)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
}

void frmNagScreen2::showAtExit()
{
    showCentred();
}

void frmNagScreen2::closeStep()
{
    m_set.EndApplication();
}
