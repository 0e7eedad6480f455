#include "ui/common/FileDialog.h"

#include <QFileDialog>

namespace kolekt {

namespace {

FileDialogSeam* currentSeam = nullptr;

// "*.k09" becomes "*.[kK]09": file names on Linux are case-sensitive, collection
// files are not.
QString anyCasePattern(const QString& pattern) {
    QString result;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper()) {
            result += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        } else {
            result += c;
        }
    }
    return result;
}

QString showRealDialog(QWidget* parent, const OpenFileRequest& request) {
    QFileDialog dialog(parent, request.title, request.folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The folder must exist, the file need not: a typed name is taken as it stands.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filterDescription + QStringLiteral(" (") +
                         anyCasePattern(request.pattern) + QLatin1Char(')'));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString showRealSaveDialog(QWidget* parent, const SaveFileRequest& request) {
    QFileDialog dialog(parent, request.title, request.path);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.suffix);
    dialog.setNameFilter(request.filterDescription + QStringLiteral(" (") +
                         anyCasePattern(QStringLiteral("*.") + request.suffix) + QLatin1Char(')'));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString getOpenFileName(QWidget* parent, const OpenFileRequest& request) {
    if (currentSeam) {
        return currentSeam->openFile(parent, request);
    }
    return showRealDialog(parent, request);
}

QString getSaveFileName(QWidget* parent, const SaveFileRequest& request) {
    if (currentSeam)
        return currentSeam->saveFile(parent, request);
    return showRealSaveDialog(parent, request);
}

void setFileDialogSeam(FileDialogSeam* seam) {
    currentSeam = seam;
}

} // namespace kolekt
