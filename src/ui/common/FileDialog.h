// The open-file and save-file dialogs behind a seam that tests can script.
#pragma once

#include <QString>

class QWidget;

namespace kolekt {

struct OpenFileRequest {
    QString title;
    QString folder;
    QString filterDescription; // e.g. "Collection Files from Secretary (.k09)"
    QString pattern;           // e.g. "*.k09"; matched in any letter case
};

struct SaveFileRequest {
    QString title;
    QString path;              // the folder and name offered
    QString filterDescription; // e.g. "PDF documents"
    QString suffix;            // e.g. "pdf", added to a name typed without it
};

class FileDialogSeam {
public:
    virtual ~FileDialogSeam() = default;
    // The chosen file's full path, or an empty string when cancelled.
    virtual QString openFile(QWidget* parent, const OpenFileRequest& request) = 0;
    // The full path to write, or an empty string when cancelled.
    virtual QString saveFile(QWidget* parent, const SaveFileRequest& request) = 0;
};

QString getOpenFileName(QWidget* parent, const OpenFileRequest& request);
QString getSaveFileName(QWidget* parent, const SaveFileRequest& request);
void setFileDialogSeam(FileDialogSeam* seam);

} // namespace kolekt
