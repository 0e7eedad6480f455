#include "services/ReturnFile.h"

#include "collection/CodePage.h"
#include "collection/CollectionPath.h"
#include "collection/CollectionStore.h"
#include "resources/PathText.h"
#include "resources/TextTables.h"
#include "services/MailText.h"

#include <QFile>
#include <algorithm>

namespace kolekt {

std::optional<QString> writeReturnFile(CollectionStore& store) {
    if (!isCollectionPath(store.filePath())) {
        return std::nullopt;
    }
    const std::filesystem::path path = returnPath(store.filePath());
    // Written as a new file: a link planted at its name in a shared folder is replaced, never
    // followed.
    if (!store.saveCollection(path, LinkHandling::ReplaceName)) {
        return std::nullopt;
    }
    return toQString(path);
}

SecretaryAddress secretaryMailAddress(const CollectionStore& store) {
    const QString address =
        QString::fromStdString(toUtf8(store.secretaryAddress(), store.codePage())).trimmed();
    if (!address.contains(QLatin1Char('@'))) {
        return {};
    }
    const QStringList pieces = address.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const bool usable =
        !pieces.isEmpty() && std::all_of(pieces.begin(), pieces.end(), [](const QString& piece) {
            return CollectionStore::hasValidEmail(piece.trimmed().toStdString());
        });
    return {address, usable};
}

MailDraft returnFileMail(const CollectionStore& store, const QString& path,
                         const QString& address) {
    const QString month = QString::fromStdString(monthName(store.month()));
    const QString group =
        mailText(TextId::Group) + QLatin1Char(' ') + QString::number(store.groupNumber());
    return {address,
            mailText(TextId::ReturnMailSubject) + QStringLiteral(" - ") + month +
                QStringLiteral(" - ") + group,
            month + QLatin1Char(' ') + mailText(TextId::ReturnMailBody) + QLatin1Char(' ') + group,
            path, store.codePage()};
}

} // namespace kolekt
