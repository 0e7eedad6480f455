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

// Control characters (C0, DEL, C1) as visible escapes: a name or a file name must not move the
// cursor, repaint the table or talk to the terminal.
std::string visible(std::string_view utf8) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const bool c1 = c == 0xC2 && i + 1 < utf8.size() &&
                        static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
        if (c < 0x20 || c == 0x7F) {
            text += "\\x";
            text += kDigits[c >> 4];
            text += kDigits[c & 0xF];
        } else if (c1) {
            const auto code = static_cast<unsigned char>(utf8[++i]);
            text += "\\u00";
            text += kDigits[code >> 4];
            text += kDigits[code & 0xF];
        } else {
            text += static_cast<char>(c);
        }
    }
    return text;
}

// The view with every text the file gives made visible.
CollectionView visibleView(const CollectionView& view) {
    CollectionView shown = view;
    shown.file = visible(view.file);
    shown.secretary = visible(view.secretary);
    for (PublisherView& p : shown.publishers) {
        p.name = visible(p.name);
        p.email = visible(p.email);
        p.remark = visible(p.remark);
        for (std::string& phone : p.phones) {
            phone = visible(phone);
        }
    }
    return shown;
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

void writeTable(std::ostream& out, const CollectionView& file) {
    const CollectionView view = visibleView(file);
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
