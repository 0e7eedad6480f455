#include "resources/Guide.h"

#include <QFile>
#include <QString>
#include <array>

namespace kolekt {

namespace {

constexpr std::array<std::string_view, 10> kSections{
    "open", "posting",    "late", "remarks", "printing",
    "year", "returnfile", "mail", "safe",    "languages"};

// English is kept under its language alone; a catalogue's locale may name a country.
std::string readSection(std::string_view section, std::string_view locale) {
    QFile file(QStringLiteral(":/guide/") + QString::fromUtf8(locale) + QLatin1Char('/') +
               QString::fromUtf8(section) + QStringLiteral(".html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

} // namespace

std::span<const std::string_view> guideSections() {
    return kSections;
}

std::string guideSectionHtml(std::string_view section, const Language& language) {
    if (std::string html = readSection(section, language.locale); !html.empty())
        return html;
    return readSection(section, englishLanguage().locale);
}

} // namespace kolekt
