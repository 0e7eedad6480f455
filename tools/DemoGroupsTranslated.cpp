#include "DemoCollection.h"

#include <list>
#include <string>

namespace kolekt::tool {

namespace {

struct DemoPerson {
    const char* first; // UTF-8
    const char* last;
    const char* mailbox; // the part of the address before the '@'
};

// A language's group: the English group's reports, numbers and privileges, told of people who
// speak the language, with the remarks in it. A brother of the English group is a brother here.
struct DemoCast {
    const char* languageCode;
    const char* secretary;
    std::array<DemoPerson, kDemoGroupSize> people;
    // The English group's remarks in their order: added hours, a visit abroad, an illness, added
    // hours, night shifts.
    std::array<const char*, 5> remarks;
};

const DemoCast kCasts[] = {
    {"cz",
     "sekretar@example.org",
     {{{"Hana", "Nováková", "hana.novakova"},           {"Antonín", "Dvořák", "antonin.dvorak"},
       {"Kateřina", "Svobodová", "katerina.svobodova"}, {"Jiří", "Černý", "jiri.cerny"},
       {"Tomáš", "Procházka", "tomas.prochazka"},       {"Zuzana", "Křížová", "zuzana.krizova"},
       {"Lubomír", "Růžička", "lubomir.ruzicka"},       {"Věra", "Kučerová", "vera.kucerova"},
       {"Přemysl", "Horák", "premysl.horak"},           {"Markéta", "Němcová", "marketa.nemcova"},
       {"Ondřej", "Veselý", "ondrej.vesely"},           {"Lucie", "Šťastná", "lucie.stastna"},
       {"Radek", "Pokorný", "radek.pokorny"},           {"Božena", "Marková", "bozena.markova"},
       {"Ludmila", "Benešová", "ludmila.benesova"},     {"Dagmar", "Fialová", "dagmar.fialova"},
       {"Vojtěch", "Sedláček", "vojtech.sedlacek"},     {"Zdeněk", "Doležal", "zdenek.dolezal"},
       {"Jitka", "Zemanová", "jitka.zemanova"},         {"Stanislav", "Kolář", "stanislav.kolar"},
       {"Eliška", "Vlčková", "eliska.vlckova"}}},
     {"3 +hod.", "Navštívil rodinu v zahraničí", "Většinu měsíce byl nemocný", "7 +hod.",
      "Tento měsíc pracoval v noci"}},
    {"sk",
     "tajomnik@example.org",
     {{{"Mária", "Kováčová", "maria.kovacova"},
       {"Ľubomír", "Horváth", "lubomir.horvath"},
       {"Zuzana", "Vargová", "zuzana.vargova"},
       {"Ján", "Baláž", "jan.balaz"},
       {"Peter", "Tóth", "peter.toth"},
       {"Katarína", "Nagyová", "katarina.nagyova"},
       {"Dušan", "Molnár", "dusan.molnar"},
       {"Jana", "Lukáčová", "jana.lukacova"},
       {"Ľudovít", "Šimko", "ludovit.simko"},
       {"Eva", "Kráľová", "eva.kralova"},
       {"Martin", "Ďurica", "martin.durica"},
       {"Lucia", "Hudáková", "lucia.hudakova"},
       {"Štefan", "Bielik", "stefan.bielik"},
       {"Alžbeta", "Kmeťová", "alzbeta.kmetova"},
       {"Veronika", "Poláková", "veronika.polakova"},
       {"Ivana", "Ondrejková", "ivana.ondrejkova"},
       {"Juraj", "Gašpar", "juraj.gaspar"},
       {"Roman", "Mikuláš", "roman.mikulas"},
       {"Soňa", "Holubová", "sona.holubova"},
       {"Jozef", "Šťastný", "jozef.stastny"},
       {"Ľubica", "Kováčiková", "lubica.kovacikova"}}},
     {"3 +hod.", "Navštívil rodinu v zahraničí", "Väčšinu mesiaca bol chorý", "7 +hod.",
      "Tento mesiac pracoval v noci"}},
    {"Polish",
     "sekretarz@example.org",
     {{{"Agnieszka", "Wiśniewska", "agnieszka.wisniewska"},
       {"Łukasz", "Wójcik", "lukasz.wojcik"},
       {"Małgorzata", "Kowalczyk", "malgorzata.kowalczyk"},
       {"Grzegorz", "Zieliński", "grzegorz.zielinski"},
       {"Paweł", "Szymański", "pawel.szymanski"},
       {"Żaneta", "Woźniak", "zaneta.wozniak"},
       {"Mirosław", "Dąbrowski", "miroslaw.dabrowski"},
       {"Katarzyna", "Kamińska", "katarzyna.kaminska"},
       {"Przemysław", "Lewandowski", "przemyslaw.lewandowski"},
       {"Joanna", "Kozłowska", "joanna.kozlowska"},
       {"Bartłomiej", "Jankowski", "bartlomiej.jankowski"},
       {"Elżbieta", "Mazur", "elzbieta.mazur"},
       {"Tomasz", "Krawczyk", "tomasz.krawczyk"},
       {"Dorota", "Piotrowska", "dorota.piotrowska"},
       {"Urszula", "Grabowska", "urszula.grabowska"},
       {"Beata", "Pawłowska", "beata.pawlowska"},
       {"Wojciech", "Michalski", "wojciech.michalski"},
       {"Jarosław", "Król", "jaroslaw.krol"},
       {"Halina", "Wieczorek", "halina.wieczorek"},
       {"Zbigniew", "Jabłoński", "zbigniew.jablonski"},
       {"Bożena", "Nowicka", "bozena.nowicka"}}},
     {"3 +godz.", "Odwiedził rodzinę za granicą", "Większość miesiąca chorował", "7 +godz.",
      "Pracował na nocnej zmianie"}},
    {"Turkish",
     "sekreter@example.org",
     {{{"Ayşe", "Yılmaz", "ayse.yilmaz"},
       {"Şükrü", "Kaya", "sukru.kaya"},
       {"Gülşen", "Demir", "gulsen.demir"},
       {"Mehmet", "Çelik", "mehmet.celik"},
       {"İsmail", "Şahin", "ismail.sahin"},
       {"Özlem", "Yıldız", "ozlem.yildiz"},
       {"Ahmet", "Yıldırım", "ahmet.yildirim"},
       {"Zeynep", "Öztürk", "zeynep.ozturk"},
       {"Hüseyin", "Aydın", "huseyin.aydin"},
       {"Elif", "Özdemir", "elif.ozdemir"},
       {"Oğuz", "Arslan", "oguz.arslan"},
       {"Gülay", "Doğan", "gulay.dogan"},
       {"Mustafa", "Kılıç", "mustafa.kilic"},
       {"Şule", "Aslan", "sule.aslan"},
       {"Nur", "Çetin", "nur.cetin"},
       {"Ebru", "Kara", "ebru.kara"},
       {"Ömer", "Koç", "omer.koc"},
       {"İbrahim", "Kurt", "ibrahim.kurt"},
       {"Sevgi", "Özkan", "sevgi.ozkan"},
       {"Çağlar", "Şimşek", "caglar.simsek"},
       {"Hülya", "Erdoğan", "hulya.erdogan"}}},
     {"3 +saat", "Yurt dışındaki ailesine gitti", "Ayın çoğunda hastaydı", "7 +saat",
      "Bu ay gece vardiyasında çalıştı"}},
    {"estonian",
     "sekretar@example.net",
     {{{"Mari", "Tamm", "mari.tamm"},          {"Jüri", "Õunapuu", "juri.ounapuu"},
       {"Kädi", "Saar", "kadi.saar"},          {"Andres", "Sepp", "andres.sepp"},
       {"Toomas", "Mägi", "toomas.magi"},      {"Liis", "Kask", "liis.kask"},
       {"Märt", "Kukk", "mart.kukk"},          {"Tiiu", "Rebane", "tiiu.rebane"},
       {"Peeter", "Ilves", "peeter.ilves"},    {"Ülle", "Pärn", "ulle.parn"},
       {"Tõnu", "Koppel", "tonu.koppel"},      {"Kristiina", "Lõhmus", "kristiina.lohmus"},
       {"Rein", "Kütt", "rein.kutt"},          {"Siiri", "Raudsepp", "siiri.raudsepp"},
       {"Helgi", "Põld", "helgi.pold"},        {"Kaja", "Männik", "kaja.mannik"},
       {"Aivar", "Sõrmus", "aivar.sormus"},    {"Priit", "Järv", "priit.jarv"},
       {"Merike", "Lepik", "merike.lepik"},    {"Urmas", "Kõiv", "urmas.koiv"},
       {"Anneli", "Jõesaar", "anneli.joesaar"}}},
     {"3 +tundi", "Külastas perekonda välismaal", "Oli suurema osa kuust haige", "7 +tundi",
      "Töötas sel kuul öövahetuses"}},
    {"greek",
     "grammateas@example.org",
     {{{"Μαρία", "Παπαδοπούλου", "maria.papadopoulou"},
       {"Γιώργος", "Παπαδόπουλος", "giorgos.papadopoulos"},
       {"Ελένη", "Νικολάου", "eleni.nikolaou"},
       {"Δημήτρης", "Οικονόμου", "dimitris.oikonomou"},
       {"Κωνσταντίνος", "Γεωργίου", "k.georgiou"},
       {"Αικατερίνη", "Βασιλείου", "aikaterini.vasileiou"},
       {"Νικόλαος", "Αλεξίου", "nikolaos.alexiou"},
       {"Σοφία", "Μακρή", "sofia.makri"},
       {"Ιωάννης", "Χριστοδούλου", "ioannis.christodoulou"},
       {"Αναστασία", "Δημητρίου", "anastasia.dimitriou"},
       {"Παναγιώτης", "Ιωάννου", "panagiotis.ioannou"},
       {"Χριστίνα", "Αθανασίου", "christina.athanasiou"},
       {"Σπύρος", "Καραγιάννης", "spyros.karagiannis"},
       {"Δέσποινα", "Πετρίδου", "despoina.petridou"},
       {"Ευαγγελία", "Σταυροπούλου", "evangelia.stavropoulou"},
       {"Βασιλική", "Κωνσταντίνου", "vasiliki.konstantinou"},
       {"Θεόδωρος", "Λαμπρόπουλος", "theodoros.lampropoulos"},
       {"Αντώνης", "Ζαχαρίου", "antonis.zachariou"},
       {"Φωτεινή", "Ρήγα", "foteini.riga"},
       {"Ευάγγελος", "Μαυρίδης", "evangelos.mavridis"},
       {"Ζωή", "Τσακίρη", "zoi.tsakiri"}}},
     {"3 +ώρες", "Επίσκεψη στην οικογένεια", "Άρρωστος σχεδόν όλο τον μήνα", "7 +ώρες",
      "Δούλευε νυχτερινές βάρδιες"}},
    {"french",
     "secretaire@example.org",
     {{{"Élodie", "Moreau", "elodie.moreau"},
       {"Jérôme", "Lefèvre", "jerome.lefevre"},
       {"Maïté", "Girard", "maite.girard"},
       {"François", "Bonnet", "francois.bonnet"},
       {"Stéphane", "Mercier", "stephane.mercier"},
       {"Hélène", "Faure", "helene.faure"},
       {"Gérard", "Lambert", "gerard.lambert"},
       {"Céline", "Fontaine", "celine.fontaine"},
       {"Benoît", "Chevalier", "benoit.chevalier"},
       {"Aurélie", "Rousseau", "aurelie.rousseau"},
       {"Joël", "Dupré", "joel.dupre"},
       {"Geneviève", "Perrin", "genevieve.perrin"},
       {"Thierry", "Gauthier", "thierry.gauthier"},
       {"Noémie", "Leclerc", "noemie.leclerc"},
       {"Françoise", "Boyer", "francoise.boyer"},
       {"Josiane", "Barbier", "josiane.barbier"},
       {"Raphaël", "Roche", "raphael.roche"},
       {"Loïc", "Brunet", "loic.brunet"},
       {"Valérie", "Meunier", "valerie.meunier"},
       {"Frédéric", "Aubert", "frederic.aubert"},
       {"Bérénice", "Picard", "berenice.picard"}}},
     {"3 +heures", "Visite à sa famille à l'étranger", "Malade presque tout le mois", "7 +heures",
      "A travaillé de nuit ce mois-ci"}},
    {"german",
     "sekretaer@example.org",
     {{{"Ursula", "Schröder", "ursula.schroeder"},
       {"Jürgen", "Weiß", "juergen.weiss"},
       {"Käthe", "Bäcker", "kaethe.baecker"},
       {"Günther", "Krüger", "guenther.krueger"},
       {"Matthias", "Groß", "matthias.gross"},
       {"Bärbel", "Köhler", "baerbel.koehler"},
       {"Dieter", "Hoffmann", "dieter.hoffmann"},
       {"Sabine", "Möller", "sabine.moeller"},
       {"Björn", "Schäfer", "bjoern.schaefer"},
       {"Jutta", "Fuchs", "jutta.fuchs"},
       {"Uwe", "Hübner", "uwe.huebner"},
       {"Renate", "Schütz", "renate.schuetz"},
       {"Klaus", "Zimmermann", "klaus.zimmermann"},
       {"Heike", "Jäger", "heike.jaeger"},
       {"Monika", "Braun", "monika.braun"},
       {"Dörte", "Wagner", "doerte.wagner"},
       {"Rüdiger", "Schulze", "ruediger.schulze"},
       {"Horst", "Kühn", "horst.kuehn"},
       {"Elke", "Meißner", "elke.meissner"},
       {"Jörg", "Lorenz", "joerg.lorenz"},
       {"Anneliese", "Vogt", "anneliese.vogt"}}},
     {"3 +Std.", "Familie im Ausland besucht", "Großteil des Monats krank", "7 +Std.",
      "Diesen Monat Nachtschicht"}},
    {"spanish",
     "secretario@example.org",
     {{{"Lucía", "Fernández", "lucia.fernandez"},   {"José", "Martínez", "jose.martinez"},
       {"Begoña", "Sánchez", "begona.sanchez"},     {"Íñigo", "Gutiérrez", "inigo.gutierrez"},
       {"Andrés", "Rodríguez", "andres.rodriguez"}, {"Nuria", "Jiménez", "nuria.jimenez"},
       {"Jesús", "Domínguez", "jesus.dominguez"},   {"Inés", "Muñoz", "ines.munoz"},
       {"Joaquín", "Ramírez", "joaquin.ramirez"},   {"Rocío", "Hernández", "rocio.hernandez"},
       {"Germán", "Ibáñez", "german.ibanez"},       {"Mónica", "Peña", "monica.pena"},
       {"Sebastián", "Castro", "sebastian.castro"}, {"Ángela", "Ortega", "angela.ortega"},
       {"Pilar", "Rubio", "pilar.rubio"},           {"Concepción", "Molina", "concepcion.molina"},
       {"Raúl", "Delgado", "raul.delgado"},         {"Óscar", "Morales", "oscar.morales"},
       {"Verónica", "Suárez", "veronica.suarez"},   {"Ramón", "Vázquez", "ramon.vazquez"},
       {"Asunción", "Navarro", "asuncion.navarro"}}},
     {"3 +horas", "Viaje familiar al extranjero", "Enfermo casi todo el mes", "7 +horas",
      "Turno de noche este mes"}},
    {"italian",
     "segretario@example.org",
     {{{"Giulia", "Rossi", "giulia.rossi"},        {"Niccolò", "Bianchi", "niccolo.bianchi"},
       {"Francesca", "Ricci", "francesca.ricci"},  {"Lorenzo", "Esposito", "lorenzo.esposito"},
       {"Andrea", "Colombo", "andrea.colombo"},    {"Chiara", "Romano", "chiara.romano"},
       {"Giuseppe", "De Luca", "giuseppe.deluca"}, {"Lucrezia", "D'Angelo", "lucrezia.dangelo"},
       {"Salvatore", "Costa", "salvatore.costa"},  {"Elena", "Fontana", "elena.fontana"},
       {"Mattia", "Galli", "mattia.galli"},        {"Beatrice", "Conti", "beatrice.conti"},
       {"Giosuè", "Marino", "giosue.marino"},      {"Alessia", "Greco", "alessia.greco"},
       {"Marta", "Bruno", "marta.bruno"},          {"Ilaria", "Gallo", "ilaria.gallo"},
       {"Pietro", "Lombardi", "pietro.lombardi"},  {"Stefano", "Moretti", "stefano.moretti"},
       {"Paola", "Barbieri", "paola.barbieri"},    {"Fabrizio", "Ferrara", "fabrizio.ferrara"},
       {"Noemi", "Santoro", "noemi.santoro"}}},
     {"3 +ore", "Visita ai parenti all'estero", "Malato quasi tutto il mese", "7 +ore",
      "Questo mese turni di notte"}},
    {"portuguese",
     "secretario@example.org",
     {{{"Conceição", "Almeida", "conceicao.almeida"}, {"João", "Gonçalves", "joao.goncalves"},
       {"Luíza", "Araújo", "luiza.araujo"},           {"Sérgio", "Ribeiro", "sergio.ribeiro"},
       {"Antônio", "Carvalho", "antonio.carvalho"},   {"Márcia", "Gomes", "marcia.gomes"},
       {"Estêvão", "Barbosa", "estevao.barbosa"},     {"Cecília", "Rocha", "cecilia.rocha"},
       {"Vinícius", "Dias", "vinicius.dias"},         {"Letícia", "Correia", "leticia.correia"},
       {"Fábio", "Moreira", "fabio.moreira"},         {"Lúcia", "Cardoso", "lucia.cardoso"},
       {"Joaquim", "Teixeira", "joaquim.teixeira"},   {"Patrícia", "Mendes", "patricia.mendes"},
       {"Tânia", "Freitas", "tania.freitas"},         {"Simone", "Lopes", "simone.lopes"},
       {"Caio", "Magalhães", "caio.magalhaes"},       {"Otávio", "Pires", "otavio.pires"},
       {"Débora", "Nunes", "debora.nunes"},           {"Rogério", "Cunha", "rogerio.cunha"},
       {"Adriana", "Brandão", "adriana.brandao"}}},
     {"3 +horas", "Visitou a família no exterior", "Doente quase o mês todo", "7 +horas",
      "Turno da noite este mês"}},
    {"portuguese-pt",
     "secretario@example.org",
     {{{"Conceição", "Figueiredo", "conceicao.figueiredo"},
       {"João", "Gonçalves", "joao.goncalves"},
       {"Inês", "Sousa", "ines.sousa"},
       {"Sérgio", "Lourenço", "sergio.lourenco"},
       {"António", "Matos", "antonio.matos"},
       {"Graça", "Simões", "graca.simoes"},
       {"Estêvão", "Quintela", "estevao.quintela"},
       {"Cecília", "Fonseca", "cecilia.fonseca"},
       {"Rui", "Guimarães", "rui.guimaraes"},
       {"Leonor", "Antunes", "leonor.antunes"},
       {"Fábio", "Baptista", "fabio.baptista"},
       {"Lúcia", "Vieira", "lucia.vieira"},
       {"Joaquim", "Esteves", "joaquim.esteves"},
       {"Beatriz", "Loureiro", "beatriz.loureiro"},
       {"Fátima", "Coelho", "fatima.coelho"},
       {"Filipa", "Marques", "filipa.marques"},
       {"Gonçalo", "Magalhães", "goncalo.magalhaes"},
       {"Duarte", "Pimentel", "duarte.pimentel"},
       {"Madalena", "Tavares", "madalena.tavares"},
       {"Rogério", "Serrão", "rogerio.serrao"},
       {"Mafalda", "Brandão", "mafalda.brandao"}}},
     {"3 +horas", "Visitou a família no estrangeiro", "Doente quase o mês inteiro", "7 +horas",
      "Turnos da noite este mês"}},
    {"dutch",
     "secretaris@example.org",
     {{{"Daniëlle", "de Jong", "danielle.dejong"},
       {"Sjoerd", "van den Berg", "sjoerd.vandenberg"},
       {"Marieke", "Bakker", "marieke.bakker"},
       {"Joost", "Visser", "joost.visser"},
       {"Pieter", "Smit", "pieter.smit"},
       {"Anouk", "Meijer", "anouk.meijer"},
       {"Gerrit", "de Boer", "gerrit.deboer"},
       {"Noëlle", "Mulder", "noelle.mulder"},
       {"Maarten", "de Groot", "maarten.degroot"},
       {"Ineke", "Bos", "ineke.bos"},
       {"Thijs", "Vos", "thijs.vos"},
       {"Zoë", "Peters", "zoe.peters"},
       {"Raphaël", "Hendriks", "raphael.hendriks"},
       {"Loïs", "van Dijk", "lois.vandijk"},
       {"Femke", "Dekker", "femke.dekker"},
       {"Saskia", "Brouwer", "saskia.brouwer"},
       {"IJsbrand", "de Wit", "ijsbrand.dewit"},
       {"Kees", "Dijkstra", "kees.dijkstra"},
       {"Wilma", "Smits", "wilma.smits"},
       {"Hendrik", "van 't Hof", "hendrik.vanthof"},
       {"Geertruida", "Jansen", "geertruida.jansen"}}},
     {"3 +uur", "Familie in het buitenland bezocht", "Grootste deel van de maand ziek", "7 +uur",
      "Deze maand nachtdiensten"}},
};

// The cast's address at the English publisher's domain, with the blanks typed around it; none
// where the English publisher has none.
std::string castEmail(const char* englishEmail, const char* mailbox) {
    const std::string english = englishEmail;
    const std::size_t at = english.find('@');
    if (at == std::string::npos) {
        return english;
    }
    const std::size_t start = english.find_first_not_of(' ');
    return english.substr(0, start) + mailbox + english.substr(at);
}

// A cast played on the English group; the publishers point into the strings it keeps.
struct CastGroup {
    explicit CastGroup(const DemoCast& cast) {
        const DemoGroup& english = englishDemoGroup();
        std::size_t remark = 0;
        for (std::size_t i = 0; i < kDemoGroupSize; ++i) {
            const DemoPerson& person = cast.people[i];
            emails[i] = castEmail(english.publishers[i].email, person.mailbox);
            DemoPublisher publisher = english.publishers[i];
            publisher.first = person.first;
            publisher.last = person.last;
            publisher.email = emails[i].c_str();
            if (publisher.remark != nullptr) {
                publisher.remark = cast.remarks.at(remark++);
            }
            publishers[i] = publisher;
        }
        group = DemoGroup{cast.languageCode, cast.secretary, publishers};
    }
    CastGroup(const CastGroup&) = delete;
    CastGroup& operator=(const CastGroup&) = delete;

    std::array<std::string, kDemoGroupSize> emails;
    std::array<DemoPublisher, kDemoGroupSize> publishers{};
    DemoGroup group{};
};

} // namespace

const DemoGroup& demoGroup(std::string_view languageCode) {
    static const std::list<CastGroup> groups = [] {
        std::list<CastGroup> all;
        for (const DemoCast& cast : kCasts) {
            all.emplace_back(cast);
        }
        return all;
    }();
    for (const CastGroup& cast : groups) {
        if (cast.group.languageCode == languageCode) {
            return cast.group;
        }
    }
    return englishDemoGroup();
}

} // namespace kolekt::tool
