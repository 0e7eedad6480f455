#include "DemoCollection.h"

#include "collection/CodePage.h"
#include "collection/CollectionStore.h"

#include <algorithm>
#include <array>

namespace kolekt::tool {

using namespace layout;

namespace {

enum Privilege { None = 0, MinisterialServant = 1, Elder = 2, BaptizedBrother = 3 };

struct DemoPublisher {
    const char* first; // UTF-8
    const char* last;
    const char* email;
    std::array<const char*, 3> phones;
    int privilege;
    SlotReport report;  // the collection month; a report without shared is missing
    const char* remark; // for the collection month, or null
    bool lateForPreviousMonth;
};

const DemoPublisher kDemoGroup[] = {
    {"Anna",
     "Bergström",
     "anna.bergstrom@example.org",
     {"0171 5550101", "", ""},
     None,
     {.status = RegularPioneer,
      .shared = true,
      .hours = 52,
      .returnVisits = 14,
      .studies = 3,
      .addedHours = 3},
     "3 +Hours",
     false},
    {"Jürgen",
     "Müller",
     "j.mueller@example.net",
     {"030 5550142", "0160 5550143", ""},
     Elder,
     {.shared = true, .placements = 4, .videos = 2, .returnVisits = 3, .studies = 1},
     nullptr,
     false},
    {"Renée",
     "Dubois",
     "renee.dubois@example.fr",
     {"555-0117", "", ""},
     None,
     {.status = AuxiliaryPioneer, .shared = true, .hours = 30, .returnVisits = 9, .studies = 2},
     nullptr,
     false},
    {"José",
     "Álvarez",
     "jose.alvarez@example.org",
     {"0176 5550188", "", ""},
     MinisterialServant,
     {},
     nullptr,
     false},
    {"François",
     "Lefèvre",
     "",
     {"5550", "040 5550166", ""},
     BaptizedBrother,
     {.shared = true, .videos = 1, .returnVisits = 2},
     nullptr,
     false},
    {"Zoë",
     "Hartmann",
     "  zoe.hartmann@example.de ",
     {"", "", "0152 5550123"},
     None,
     {},
     nullptr,
     false},
    {"Søren",
     "Nørgaard",
     "soren@example.dk",
     {"+45 5550 1234", "", ""},
     Elder,
     {.status = SpecialPioneer, .shared = true, .hours = 100, .returnVisits = 31, .studies = 6},
     nullptr,
     false},
    {"Inés",
     "Castaño",
     "ines.castano@example.es",
     {"555 0199", "", ""},
     None,
     {.shared = true, .returnVisits = 4, .studies = 2},
     nullptr,
     false},
    {"Björn",
     "Åkesson",
     "bjorn.akesson@example.se",
     {"0171 5550155", "+1 212 555 0147", ""},
     Elder,
     {.shared = true, .placements = 2, .returnVisits = 5, .studies = 1},
     "Helped at the Kingdom Hall",
     false},
    {"Chloé", "Martin", "", {"555-0160", "", ""}, None, {}, nullptr, false},
    {"Dániel",
     "Kovács",
     "daniel.kovacs@example.hu",
     {"", "", ""},
     None,
     {},
     "Was ill most of the month",
     false},
    {"Éva",
     "Szabó",
     "eva.szabo@example.hu",
     {"0171 5550177", "", ""},
     None,
     {.status = RegularPioneer,
      .shared = true,
      .hours = 48,
      .returnVisits = 12,
      .studies = 4,
      .addedHours = 7},
     "7 +Hours",
     false},
    {"Grégoire",
     "Roux",
     "gregoire.roux@example.fr",
     {"", "555-0134", ""},
     MinisterialServant,
     {.shared = true, .returnVisits = 1},
     nullptr,
     false},
    {"Hélène",
     "Fournier",
     "helene.fournier@example.fr",
     {"0171 5550102", "", ""},
     None,
     {},
     nullptr,
     false},
    {"Ingrid",
     "Larsen",
     "ingrid.larsen@example.no",
     {"555-0111", "", ""},
     None,
     {.status = AuxiliaryPioneer, .shared = true, .hours = 15, .returnVisits = 6, .studies = 1},
     nullptr,
     true},
    {"Mónica",
     "Peña",
     "monica.pena@example",
     {"555-0190", "", ""},
     None,
     {.shared = true, .placements = 1},
     nullptr,
     false},
    {"Noël",
     "Garnier",
     "noel.garnier@example.fr",
     {"030 5550133", "", ""},
     MinisterialServant,
     {.shared = true, .videos = 3, .returnVisits = 2, .studies = 1},
     nullptr,
     false},
    {"Paulo", "Conceição", "paulo@example.pt", {"555 0128", "", ""}, None, {}, nullptr, false},
    {"Thérèse",
     "Blanc",
     "therese.blanc@example.fr",
     {"", "", ""},
     None,
     {.shared = true, .studies = 1},
     nullptr,
     false},
    {"Ulrich",
     "Schäfer",
     "ulrich.schaefer@example.de",
     {"0171 5550144", "", ""},
     Elder,
     {.shared = true, .returnVisits = 7, .studies = 2},
     "Visited by the circuit overseer",
     false},
    {"Wilhelmina",
     "de Vries",
     "wilhelmina.devries@example.nl",
     {"+31 20 5550112", "", ""},
     None,
     {},
     nullptr,
     false},
};

constexpr int kDemoGroupNumber = 3;
constexpr const char* kLanguage = "eng";

// An earlier month's report that makes the record look lived in.
SlotReport earlierReport(const DemoPublisher& p) {
    SlotReport report;
    report.status = p.report.status == AuxiliaryPioneer ? std::uint8_t{Publisher} : p.report.status;
    report.shared = true;
    report.returnVisits = 3;
    report.studies = p.report.studies;
    if (report.status == RegularPioneer || report.status == SpecialPioneer) {
        report.hours = report.status == RegularPioneer ? 50 : 100;
    }
    return report;
}

} // namespace

CollectionBuilder demoCollection(const LocalDate& today) {
    CollectionStore calendar;
    calendar.initialise(today, "eng");
    const int month = calendar.month();
    const int yearSlot = calendar.yearSlot();

    CollectionBuilder builder;
    builder.setGroup(kDemoGroupNumber).setMonth(month).setSecretary("secretary.north@example.org");
    for (const DemoPublisher& p : kDemoGroup) {
        const int n =
            builder.addPublisher(fromUtf8(p.first, kLanguage), fromUtf8(p.last, kLanguage));
        builder.setEmail(n, p.email)
            .setPrivilege(n, p.privilege)
            .setPublisherGroup(n, kDemoGroupNumber);
        for (int i = 0; i < 3; ++i) {
            builder.setPhone(n, i, p.phones[static_cast<std::size_t>(i)]);
        }
        for (int earlier = std::max(0, month - 2); earlier < month; ++earlier) {
            builder.setReport(n, earlier, yearSlot, earlierReport(p));
        }
        builder.setReport(n, month, yearSlot, p.report);
        if (p.remark != nullptr) {
            builder.addRemark(n, month, yearSlot, fromUtf8(p.remark, kLanguage));
        }
        if (p.lateForPreviousMonth && month > 0) {
            builder.setLateFlag(n, month - 1);
        }
    }
    return builder;
}

} // namespace kolekt::tool
