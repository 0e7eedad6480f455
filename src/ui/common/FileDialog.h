// The open-file dialog behind a seam that tests can script.
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

class FileDialogSeam {
public:
    virtual ~FileDialogSeam() = default;
    // The chosen file's full path, or an empty string when cancelled.
    virtual QString openFile(QWidget* parent, const OpenFileRequest& request) = 0;
};

QString getOpenFileName(QWidget* parent, const OpenFileRequest& request);
void setFileDialogSeam(FileDialogSeam* seam);

} // namespace kolekt
