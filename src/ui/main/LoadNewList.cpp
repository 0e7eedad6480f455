// "Load New List from Secretary": replaces the open collection with another file.

#include "collection/CollectionPath.h"
#include "resources/PathText.h"
#include "ui/common/FileDialog.h"
#include "ui/common/UiText.h"
#include "ui/main/CMainDlg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace kolekt {

void CMainDlg::loadNewList() {
    const QString current = toQString(store_.filePath());
    QString folder = startDirectory_;
    // Asked, not opened: opening a FIFO for reading would wait for a writer for ever.
    if (const QFileInfo file(current); !current.isEmpty() && file.isFile() && file.isReadable())
        folder = file.absolutePath();

    const OpenFileRequest request{loadUiText(TextId::SelectCollectionFile), folder,
                                  loadUiText(TextId::CollectionFileFilter),
                                  QStringLiteral("*.k09")};
    const QString chosen = getOpenFileName(this, request);
    const std::filesystem::path chosenPath = toPath(chosen);
    if (!isCollectionPath(chosenPath)) {
        QDir::setCurrent(startDirectory_);
        focusList();
        return;
    }
    loadListFrom(chosenPath);
}

void CMainDlg::loadListFrom(const std::filesystem::path& chosenPath) {
    if (exited_)
        return;
    // A file open in another Kolekt is not loaded, and the collection open here stays.
    CollectionLock lock = store_.lockForOpening(chosenPath);
    if (lock.refusesOpening()) {
        QDir::setCurrent(startDirectory_);
        focusList();
        return;
    }
    // Whatever was posted since the file was opened must not be lost with the old list.
    writeBackBeforeClosing();
    store_.loadCollection(chosenPath, clock_(), std::move(lock));
    undo_.clear();
    fillList();
    store_.setLastPosted({});
    updateStatus();
    QDir::setCurrent(startDirectory_);
    focusList();
}

} // namespace kolekt
