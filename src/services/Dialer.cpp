#include "services/Dialer.h"

#include <QUrl>

namespace kolekt {

QString telephoneLink(const QString& number) {
    return QStringLiteral("tel:") + QString::fromLatin1(QUrl::toPercentEncoding(number, "+()"));
}

} // namespace kolekt
