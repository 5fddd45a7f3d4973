#include "frmAbout.h"

#include "Identity.h"
#include "Look.h"
#include "WindowSet.h"

frmAbout::frmAbout(WindowSet &set) : FormWindow(Identity::VersionCaption, 7080, 3780, Look::PaleYellow), m_set(set)
{
    setObjectName(QStringLiteral("frmAbout"));
}
