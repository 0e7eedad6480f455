// "Load New List from Secretary": replaces the open collection with another file.

#include "ui/common/FileDialog.h"
#include "ui/common/UiText.h"
#include "ui/main/CMainDlg.h"
#include "ui/main/CollectionPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kolekt {

void CMainDlg::loadNewList() {
    const QString current = QFile::decodeName(store_.filePath().c_str());
    QString folder = startDirectory_;
    if (QFile file(current); !current.isEmpty() && file.open(QIODevice::ReadOnly))
        folder = QFileInfo(current).absolutePath();

    const OpenFileRequest request{loadUiText(TextId::SelectCollectionFile), folder,
                                  loadUiText(TextId::CollectionFileFilter),
                                  QStringLiteral("*.k09")};
    const QString chosen = getOpenFileName(this, request);
    if (chosen.isEmpty() || !hasCollectionSuffix(chosen)) {
        QDir::setCurrent(startDirectory_);
        focusList();
        return;
    }

    // Whatever was posted since the file was opened must not be lost with the old list.
    saveNow();
    store_.loadCollection(QFile::encodeName(chosen).toStdString(), clock_());
    fillList();
    store_.setLastPosted({});
    updateStatus();
    QDir::setCurrent(startDirectory_);
    focusList();
}

} // namespace kolekt
