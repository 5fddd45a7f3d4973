#include "frmSave.h"

#include "Identity.h"
#include "Look.h"
#include "WindowSet.h"

frmSave::frmSave(WindowSet &set) : FormWindow(Identity::VersionCaption, 6540, 4695, Look::PaleYellow), m_set(set)
{
    setObjectName(QStringLiteral("frmSave"));
}
