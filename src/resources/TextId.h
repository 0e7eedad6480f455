// The names of the string table's entries. The numbers are the entries' ids and never change:
// every language's table knows its texts by them.
#pragma once

namespace kolekt {

enum class TextId : int {
    None = 0,

    AboutMenu = 101,
    January = 102,
    February = 103,
    March = 104,
    April = 105,
    May = 106,
    June = 107,
    July = 108,
    August = 109,
    September = 110,
    October = 111,
    November = 112,
    December = 113,
    ChangeMonthButton = 114,

    PostButton = 1000,
    MissingReports = 1001,
    SelectCollectionFile = 1002,
    CollectionFileFilter = 1003,
    Hours = 1014,
    RemarksHeading = 1019,
    AuxiliaryPioneerHeading = 1020,
    MinisterialServant = 1023,
    Elder = 1024,
    BaptizedBrother = 1025,
    AuxiliaryPioneer = 1026,
    RegularPioneer = 1027,
    SpecialPioneer = 1029,
    AlreadyPosted = 1030,
    ChangesNotIncluded = 1031,
    ChangesIncluded = 1032,
    OutOfSpaceForRemarks = 1033,
    UpdatesSaved = 1038,
    OfferMailStart = 1039,
    OfferMailLater = 1040,
    OfferMailOr = 1041,
    ReturnMailSubject = 1042,
    ReturnMailBody = 1043,
    Group = 1058,
    TipsSecretary = 1059,
    TipsOpenFile = 1060,
    TipsSelectName = 1061,
    TipsEnterReport = 1062,
    TipsRemarksAndLate = 1063,
    TipsReminders = 1064,
    TipsMailResults = 1065,
    TipsDeliverFile = 1066,
    TotalPublishers = 1116,
    NameHeading = 1167,
    TelephoneHeading = 1168,
    ReportCollectionCaption = 1188,
    SpecialPioneersNotIncluded = 1194,
    LanguageCode = 1198,
    CannotCreateFile = 1231,
    TooFewPublishers = 1232,
    NotACollectionFile = 1233,
    FormTitle = 1247,
    PlacementsHeading = 1415,
    VideosHeading = 1416,
    HoursHeading = 1417,
    ReturnVisitsHeading = 1418,
    StudiesHeading = 1419,
    ReminderBody = 1422,
    SharedTip = 1495,
    SharedHeading = 1500,

    FileMissing = 2100,
    FileUnreadable = 2101,
    NotARegularFile = 2102,
    RecordsMissing = 2103,
    RemarksMissing = 2104,
    IncompleteNotSaved = 2105,
    IncompleteNoPosting = 2106,
    OpenElsewhere = 2107,
    SavedBeside = 2108,
    Recovered = 2109,
    RecoveryFailed = 2110,
    RecoveredCollectionsFound = 2111,

    LowMemory = 2400,
    NoPrinter = 2401,
    CannotStartPrinting = 2402,
    TelephoneUnavailable = 2403,
    EmailButtonPrefix = 2404,
    ReminderSubject = 2405,

    EnterInteger = 61712,
    EnterIntegerBetween = 61714,
    NoMailSystem = 61840,
    MailSystemUnusable = 61841,
    SendMailFailed = 61842,
};

// The entry of month 0..11's name; None for any other number.
constexpr TextId monthTextId(int month) {
    return month >= 0 && month < 12 ? static_cast<TextId>(static_cast<int>(TextId::January) + month)
                                    : TextId::None;
}

} // namespace kolekt
