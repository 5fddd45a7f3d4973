#include "QtFileDialogs.h"

#include <QFileDialog>

namespace platform {
namespace {

QString runDialog(const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(nullptr, request.title, QString(), request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString QtFileDialogs::openFileName(const FileDialogRequest &request)
{
    return runDialog(request, QFileDialog::AcceptOpen);
}

QString QtFileDialogs::saveFileName(const FileDialogRequest &request)
{
    // QFileDialog asks before overwriting unless told not to.
    return runDialog(request, QFileDialog::AcceptSave);
}

}  // namespace platform
