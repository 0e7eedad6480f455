#include "DumpOutput.h"
#include "resources/StringTable.h"
#include "resources/TextTables.h"

#include <algorithm>
#include <sstream>
#include <string_view>

namespace kolekt::tool {

namespace {

// Characters, not bytes, so that accented names line up.
std::size_t displayWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (const char c : utf8) {
        width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return width;
}

// The first count characters, never part of one.
std::string firstCharacters(std::string_view utf8, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t seen = 0; end < utf8.size(); ++end) {
        if ((static_cast<unsigned char>(utf8[end]) & 0xC0) != 0x80 && seen++ == count) {
            break;
        }
    }
    return std::string(utf8.substr(0, end));
}

std::string cell(std::string_view text, std::size_t width) {
    std::string padded(text);
    const std::size_t used = displayWidth(text);
    padded.append(used < width ? width - used : 0, ' ');
    return padded + " ";
}

std::string rightCell(int value, std::size_t width) {
    const std::string digits = std::to_string(value);
    return std::string(digits.size() < width ? width - digits.size() : 0, ' ') + digits + " ";
}

std::string optionalText(TextId id) {
    return id == TextId::None ? std::string("-") : loadText(id);
}

std::string lateMonths(const std::vector<int>& months) {
    std::string text;
    for (const int m : months) {
        if (!text.empty()) {
            text += ',';
        }
        text += firstCharacters(monthName(m), 3);
    }
    return text.empty() ? "-" : text;
}

} // namespace

void writeTable(std::ostream& out, const CollectionView& view) {
    out << "File:        " << view.file << "\n"
        << "Group:       " << view.group << "\n"
        << "Month:       " << monthName(view.month) << " (year slot " << view.yearSlot << ")\n"
        << "Secretary:   " << (view.secretary.empty() ? "-" : view.secretary) << "\n"
        << "Publishers:  " << view.publisherCount << ", reports missing: " << view.missing
        << ", remarks: " << view.remarkCount << "\n";
    if (view.publishers.empty()) {
        return;
    }
    // Each text column is as wide as its widest entry, so that translated texts line up.
    std::size_t nameWidth = 26, statusWidth = 17, privilegeWidth = 19, phoneWidth = 15,
                lateWidth = 8;
    for (const PublisherView& p : view.publishers) {
        nameWidth = std::max(nameWidth, displayWidth(p.name));
        statusWidth =
            std::max(statusWidth, displayWidth(optionalText(pioneerStatusText(p.status))));
        privilegeWidth =
            std::max(privilegeWidth, displayWidth(optionalText(privilegeText(p.privilege))));
        phoneWidth = std::max(phoneWidth, displayWidth(p.phones.empty() ? "-" : p.phones.front()));
        lateWidth = std::max(lateWidth, displayWidth(lateMonths(p.lateMonths)));
    }
    out << "\n"
        << cell("Rec", 3) << cell("Name", nameWidth) << cell("Report", 7) << cell("Hrs", 4)
        << cell("+Hrs", 4) << cell("Std", 3) << cell("Status", statusWidth)
        << cell("Privilege", privilegeWidth) << cell("Telephone", phoneWidth)
        << cell("Late", lateWidth) << "Remark\n";
    for (const PublisherView& p : view.publishers) {
        std::ostringstream line;
        const char* report = p.shared ? "shared" : (p.missing ? "MISSING" : "remark");
        line << rightCell(p.record, 3) << cell(p.name, nameWidth) << cell(report, 7)
             << rightCell(p.hours, 4) << rightCell(p.addedHours, 4) << rightCell(p.studies, 3)
             << cell(optionalText(pioneerStatusText(p.status)), statusWidth)
             << cell(optionalText(privilegeText(p.privilege)), privilegeWidth)
             << cell(p.phones.empty() ? "-" : p.phones.front(), phoneWidth)
             << cell(lateMonths(p.lateMonths), lateWidth) << p.remark;
        std::string text = line.str();
        text.erase(text.find_last_not_of(' ') + 1);
        out << text << "\n";
        if (!p.email.empty()) {
            out << "    " << p.email << (p.reminder.empty() ? "" : "  (reminder)") << "\n";
        }
    }
}

} // namespace kolekt::tool
