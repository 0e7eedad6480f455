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

// Each passage from opening to ending, kept without its marks or dropped whole; one left open
// stays as it stands.
std::string resolved(std::string_view html, std::string_view opening, std::string_view ending,
                     bool keep) {
    constexpr std::size_t none = std::string_view::npos;
    std::string text;
    while (true) {
        const std::size_t at = html.find(opening);
        const std::size_t begin = at == none ? none : at + opening.size();
        const std::size_t end = at == none ? none : html.find(ending, begin);
        if (end == none)
            break;
        text += html.substr(0, at);
        if (keep)
            text += html.substr(begin, end - begin);
        html.remove_prefix(end + ending.size());
    }
    text += html;
    return text;
}

// The Linux passages first: their closing mark ends like a Windows one.
std::string forSystem(const std::string& html, GuideSystem system) {
    const bool windows = system == GuideSystem::Windows;
    return resolved(resolved(html, "<!-- linux -->", "<!-- /linux -->", !windows),
                    "<!-- windows: ", " -->", windows);
}

} // namespace

std::span<const std::string_view> guideSections() {
    return kSections;
}

std::string guideSectionHtml(std::string_view section, const Language& language,
                             GuideSystem system) {
    std::string html = readSection(section, language.locale);
    if (html.empty())
        html = readSection(section, englishLanguage().locale);
    return forSystem(html, system);
}

} // namespace kolekt
