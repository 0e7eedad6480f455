#include "resources/TextTables.h"

#include "resources/StringTable.h"

#include <array>

namespace kolekt {

namespace {

constexpr std::array kPioneerStatusTexts{TextId::None, TextId::AuxiliaryPioneer,
                                         TextId::RegularPioneer, TextId::SpecialPioneer};
constexpr std::array kPrivilegeTexts{TextId::None, TextId::MinisterialServant, TextId::Elder,
                                     TextId::BaptizedBrother};

template <std::size_t N> TextId entryOf(const std::array<TextId, N>& table, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? table[static_cast<std::size_t>(index)]
               : TextId::None;
}

} // namespace

std::string monthName(int month) {
    return loadText(monthTextId(month));
}

std::string monthName(int month, bool inSentence, std::string_view languageCode) {
    const std::string name = monthName(month);
    return inSentence ? sentenceMonthForm(name, languageCode) : name;
}

std::string sentenceMonthForm(const std::string& name, std::string_view languageCode) {
    if (languageCode != "french") {
        return name;
    }
    if (!name.empty() && (name.front() == 'a' || name.front() == 'o')) {
        return "d'" + name;
    }
    return "de " + name;
}

TextId pioneerStatusText(int status) {
    return entryOf(kPioneerStatusTexts, status);
}

TextId privilegeText(int privilege) {
    return entryOf(kPrivilegeTexts, privilege);
}

} // namespace kolekt
