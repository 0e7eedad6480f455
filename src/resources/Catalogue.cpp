#include "resources/Catalogue.h"

#include <QString>
#include <QTranslator>
#include <map>
#include <memory>

namespace kolekt {

namespace {

QString catalogueFile(const Language& language) {
    return QStringLiteral(":/i18n/kolekt_") + QString::fromUtf8(language.locale) +
           QStringLiteral(".qm");
}

// Each catalogue is loaded once, when it is first asked for.
const QTranslator* translatorFor(const Language& language) {
    static std::map<std::string_view, std::unique_ptr<QTranslator>> loaded;
    auto it = loaded.find(language.code);
    if (it == loaded.end()) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(catalogueFile(language)))
            translator.reset();
        it = loaded.emplace(language.code, std::move(translator)).first;
    }
    return it->second.get();
}

const Language* current = nullptr;

} // namespace

bool useLanguage(const Language& language) {
    const bool available = &language == &englishLanguage() || translatorFor(language);
    current = available ? &language : &englishLanguage();
    return available;
}

const Language& currentLanguage() {
    return current ? *current : englishLanguage();
}

std::optional<std::string> catalogueText(const Language& language, TextId id) {
    if (&language == &englishLanguage())
        return std::nullopt;
    const QTranslator* translator = translatorFor(language);
    if (!translator)
        return std::nullopt;
    // An id-based catalogue files every text under its id, with no context.
    const QByteArray key = QByteArray::number(static_cast<int>(id));
    const QString text = translator->translate(nullptr, key.constData());
    if (text.isNull())
        return std::nullopt;
    return text.toStdString();
}

} // namespace kolekt
