#pragma once

#include <QString>

namespace kolekt {

// A collection file from the secretary is recognised by its name alone.
inline bool hasCollectionSuffix(const QString& path) {
    return path.endsWith(QLatin1String(".k09"), Qt::CaseInsensitive);
}

} // namespace kolekt
