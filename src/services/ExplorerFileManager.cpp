#include "platform/ShowInFolder.h"
#include "services/FileManager.h"

#include <QDir>
#include <QFileInfo>

namespace kolekt {

HandOffResult showInFolder(const QString& path, HandOffHost& host) {
    const QString file = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const HandOffRequest request(host);
    if (platform::showFileInExplorer(file.toStdWString()))
        return {};
    return {HandOffResult::Kind::NoSystem, TextId::NoFileManager, {}};
}

} // namespace kolekt
