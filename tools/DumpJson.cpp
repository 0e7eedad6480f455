#include "DumpOutput.h"
#include "JsonWriter.h"

namespace kolekt::tool {

namespace {

class Fields {
public:
    Fields(std::ostream& out, std::string_view indent) : out_(out), indent_(indent) {}

    std::ostream& key(std::string_view name) {
        out_ << (first_ ? "" : ",") << "\n" << indent_;
        first_ = false;
        writeJsonString(out_, name);
        return out_ << ": ";
    }
    void text(std::string_view name, std::string_view value) { writeJsonString(key(name), value); }
    void number(std::string_view name, int value) { key(name) << value; }
    void flag(std::string_view name, bool value) { key(name) << (value ? "true" : "false"); }

private:
    std::ostream& out_;
    std::string_view indent_;
    bool first_ = true;
};

template <typename T, typename Write>
void writeArray(std::ostream& out, const std::vector<T>& items, Write write) {
    out << "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out << (i == 0 ? "" : ", ");
        write(items[i]);
    }
    out << "]";
}

void writePublisher(std::ostream& out, const PublisherView& p) {
    out << "{";
    Fields f(out, "      ");
    f.number("record", p.record);
    f.text("first", p.first);
    f.text("last", p.last);
    f.text("name", p.name);
    f.text("email", p.email);
    writeArray(f.key("phones"), p.phones, [&](const std::string& s) { writeJsonString(out, s); });
    f.text("reminder", p.reminder);
    f.number("group", p.group);
    f.number("status", p.status);
    f.number("privilege", p.privilege);
    f.flag("shared", p.shared);
    f.number("hours", p.hours);
    f.number("studies", p.studies);
    f.number("placements", p.placements);
    f.number("videos", p.videos);
    f.number("returnVisits", p.returnVisits);
    f.number("addedHours", p.addedHours);
    f.number("remarkNumber", p.remarkNumber);
    f.text("remark", p.remark);
    writeArray(f.key("lateMonths"), p.lateMonths, [&](int m) { out << m; });
    f.flag("missing", p.missing);
    out << "\n    }";
}

} // namespace

void writeJson(std::ostream& out, const CollectionView& view) {
    out << "{";
    Fields f(out, "  ");
    f.text("file", view.file);
    f.number("group", view.group);
    f.number("month", view.month);
    f.number("yearSlot", view.yearSlot);
    f.text("secretary", view.secretary);
    f.number("publisherCount", view.publisherCount);
    f.number("remarkCount", view.remarkCount);
    f.number("missing", view.missing);
    std::ostream& list = f.key("publishers");
    list << "[";
    for (std::size_t i = 0; i < view.publishers.size(); ++i) {
        list << (i == 0 ? "\n    " : ",\n    ");
        writePublisher(list, view.publishers[i]);
    }
    list << (view.publishers.empty() ? "]" : "\n  ]");
    out << "\n}\n";
}

} // namespace kolekt::tool
