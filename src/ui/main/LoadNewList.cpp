// "Load New List from Secretary": replaces the open collection with another file.

#include "collection/CollectionPath.h"
#include "ui/common/FileDialog.h"
#include "ui/common/UiText.h"
#include "ui/main/CMainDlg.h"

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
    const std::string chosenPath = QFile::encodeName(chosen).toStdString();
    if (!isCollectionPath(chosenPath)) {
        QDir::setCurrent(startDirectory_);
        focusList();
        return;
    }

    // Whatever was posted since the file was opened must not be lost with the old list.
    saveNow();
    store_.loadCollection(chosenPath, clock_());
    fillList();
    store_.setLastPosted({});
    updateStatus();
    QDir::setCurrent(startDirectory_);
    focusList();
}

} // namespace kolekt
