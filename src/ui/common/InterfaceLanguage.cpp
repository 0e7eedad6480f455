#include "ui/common/InterfaceLanguage.h"

#include "resources/Catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kolekt {

void applyInterfaceLanguage(const Language& language) {
    useLanguage(language);
    static QTranslator qtTexts;
    QCoreApplication::removeTranslator(&qtTexts);
    if (&language == &englishLanguage())
        return;
    const QLocale locale(QString::fromUtf8(language.locale));
    if (qtTexts.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
}

} // namespace kolekt
