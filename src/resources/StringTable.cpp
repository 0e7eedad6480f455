#include "resources/StringTable.h"

#include "resources/Catalogue.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace kolekt {
namespace {

struct Entry {
    TextId id;
    std::string_view text;
};

// Sorted by id, so a lookup is a binary search.
constexpr std::array kEntries{
    Entry{TextId::AboutMenu, "&About Kolekt..."},
    Entry{TextId::January, "January"},
    Entry{TextId::February, "February"},
    Entry{TextId::March, "March"},
    Entry{TextId::April, "April"},
    Entry{TextId::May, "May"},
    Entry{TextId::June, "June"},
    Entry{TextId::July, "July"},
    Entry{TextId::August, "August"},
    Entry{TextId::September, "September"},
    Entry{TextId::October, "October"},
    Entry{TextId::November, "November"},
    Entry{TextId::December, "December"},
    Entry{TextId::ChangeMonthButton, "Change &Month ( late report )"},
    Entry{TextId::PostButton, "&Post - %1"},
    Entry{TextId::MissingReports, "Missing %1 Reports"},
    Entry{TextId::SelectCollectionFile, "Select Collection File from Secretary"},
    Entry{TextId::CollectionFileFilter, "Collection Files from Secretary (.k09)"},
    Entry{TextId::Hours, "Hours"},
    Entry{TextId::RemarksHeading, "Remarks"},
    Entry{TextId::AuxiliaryPioneerHeading, "AuxP"},
    Entry{TextId::MinisterialServant, "Ministerial Servant"},
    Entry{TextId::Elder, "Elder"},
    Entry{TextId::BaptizedBrother, "Baptized Brother"},
    Entry{TextId::AuxiliaryPioneer, "Auxiliary Pioneer"},
    Entry{TextId::RegularPioneer, "Regular Pioneer"},
    Entry{TextId::SpecialPioneer, "Special Pioneer"},
    Entry{TextId::AlreadyPosted, "- WARNING -   You have already posted the %1 report for %2."},
    Entry{TextId::ChangesNotIncluded,
          "Changes WILL NOT BE INCLUDED in the %1 report to the branch office."},
    Entry{TextId::ChangesIncluded,
          "Any changes WILL BE INCLUDED in the %1 report to the branch office."},
    Entry{TextId::OutOfSpaceForRemarks, "Out of Space for Remarks"},
    Entry{TextId::UpdatesSaved, "Your updates have been saved in a file at\n%1"},
    Entry{TextId::OfferMailStart, "\n\nClick Yes to E-mail the .k19 file to "},
    Entry{TextId::OfferMailLater, "Click No to send the file to the secretary later."},
    Entry{TextId::OfferMailOr, ",\n       or\n"},
    Entry{TextId::ReturnMailSubject, "Collection File"},
    Entry{TextId::ReturnMailBody, ".k19 file for"},
    Entry{TextId::Group, "Group"},
    Entry{TextId::TipsSecretary,
          "Tips for using Kolekt   Important!  Your secretary must be running Scriba version "
          "10 or later.\n\nFrom your secretary, obtain a Group.k09 file for the month you are "
          "collecting.  "},
    Entry{TextId::TipsOpenFile,
          "Drop the file on your Kolekt icon or launch Kolekt and use the 'Load New List from "
          "Secretary' button to open the file.\n\n"},
    Entry{TextId::TipsSelectName,
          "You'll find it easy to enter reports using only the keyboard.  Type the first two or "
          "three characters of the last name.  Use the up/down arrows to select the name and "
          "press Enter.\n\n"},
    Entry{TextId::TipsEnterReport,
          "Enter the report terminating each entry with the Enter key.  Press Enter after the "
          "last field to return to the selection list.\n\n"},
    Entry{TextId::TipsRemarksAndLate,
          "To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter "
          "key.\n\nTo enter a late report, type Alt-M or click the Change Month button.\n\n"},
    Entry{TextId::TipsReminders,
          "If you have a mail program, you can send report reminders to publishers.\n\n"},
    Entry{TextId::TipsMailResults,
          "If you have a mail program, you can also e-mail the results to the secretary "
          "directly from the program.\n\n"},
    Entry{TextId::TipsDeliverFile,
          "Otherwise, you will need to manually attach the .k19 file to an email or deliver it "
          "to the secretary on portable media."},
    Entry{TextId::TotalPublishers, "Total Publishers"},
    Entry{TextId::NameHeading, "Name"},
    Entry{TextId::TelephoneHeading, "Telephone"},
    Entry{TextId::ReportCollectionCaption, "%1 Report Collection"},
    Entry{TextId::SpecialPioneersNotIncluded,
          "Special Pioneers are NOT INCLUDED in Report to Branch"},
    Entry{TextId::LanguageCode, "eng"},
    Entry{TextId::CannotCreateFile,
          "Unable to create new file: %1.\nRemove the read-only attribute from the directory / "
          "file or obtain permission to create files in this directory."},
    Entry{TextId::TooFewPublishers, "Group has less than 3 publishers"},
    Entry{TextId::NotACollectionFile,
          "%1 is not a collection file from the secretary.\nIt was not opened, and Kolekt will "
          "not write to it."},
    Entry{TextId::FormTitle, "Report Collection Form"},
    Entry{TextId::PlacementsHeading, "Plcmts"},
    Entry{TextId::VideosHeading, "Videos"},
    Entry{TextId::HoursHeading, "Hours"},
    Entry{TextId::ReturnVisitsHeading, "R.Visits"},
    Entry{TextId::StudiesHeading, "Studies"},
    Entry{TextId::SharedTip, "Shared in any form of the ministry during the month"},
    Entry{TextId::SharedHeading, "Shared"},
    Entry{TextId::MainTitle, "Field Service Reports"},
    Entry{TextId::MainOkButton, "OK"},
    Entry{TextId::ExitProgramButton, "E&xit Program"},
    Entry{TextId::LimitToMissingBox, "Limit List to &Missing Reports"},
    Entry{TextId::LastPersonPostedFrame, " Last Person Posted "},
    Entry{TextId::LoadNewListButton, "&Load New List from Secretary"},
    Entry{TextId::CreateFileButton, "&Create File for Secretary"},
    Entry{TextId::DialButton, "&Dial"},
    Entry{TextId::HelpButton, "&Help"},
    Entry{TextId::ViewReportListButton, "&View or Print Report Collection List"},
    Entry{TextId::PreviewEmailButton, "P&review E-mail"},
    Entry{TextId::SharedInMinistryBox, "Shared in Ministry"},
    Entry{TextId::EntryOkButton, "&OK"},
    Entry{TextId::EntryCancelButton, "&Cancel"},
    Entry{TextId::RemarksButton, "&Remarks"},
    Entry{TextId::AuxiliaryPioneerBox, "Auxiliary Pioneer"},
    Entry{TextId::UnderOneHourBox, "<1h"},
    Entry{TextId::CloseButton, "&Close"},
    Entry{TextId::PrintButton, "&Print"},
    Entry{TextId::PrintSetupButton, "Print &Setup"},
    Entry{TextId::AboutTitle, "About Kolekt"},
    Entry{TextId::AboutVersion, "Kolekt Version 5a"},
    Entry{TextId::AboutLicence, "GNU GPL 3 or later"},
    Entry{TextId::AboutContact, "Questions and fixes: kolekt@example.org"},
    Entry{TextId::AboutRequires, "Requires Groupx.k09 files from Scriba Version 10a or later"},
    Entry{TextId::FileMissing, "Kolekt cannot open %1:\nthe file does not exist. It may have been "
                               "moved, renamed or deleted."},
    Entry{TextId::FileUnreadable, "Kolekt cannot open %1:\nthe file cannot be read. Ask the owner "
                                  "of the file or of its folder for permission to read it."},
    Entry{TextId::NotARegularFile,
          "Kolekt cannot open %1:\nit is not a regular file but a folder or a special file. "
          "Choose the collection file from the secretary."},
    Entry{TextId::RecordsMissing,
          "%1 is incomplete: it ends early, and %3 of its %4 publisher records are missing, as "
          "after a copy or download that was cut off.\nYou can view and print it, but Kolekt "
          "will not save anything to it. Ask the secretary for the file again."},
    Entry{TextId::RemarksMissing,
          "%1 is incomplete: it ends early, and %3 of its %4 remarks are missing, as after a copy "
          "or download that was cut off.\nYou can view and print it, but Kolekt will not save "
          "anything to it. Ask the secretary for the file again."},
    Entry{TextId::IncompleteNotSaved,
          "%1 is incomplete, so Kolekt saves nothing to it and makes no file for the secretary "
          "from it.\nAsk the secretary for the file again."},
    Entry{TextId::IncompleteNoPosting,
          "Reports cannot be posted to %1, because the file is incomplete and Kolekt will not "
          "save to it.\nAsk the secretary for the file again."},
    Entry{TextId::OpenElsewhere,
          "%1 is already open in another Kolekt.\nA collection file can be open in only one "
          "Kolekt at a time, so that no report posted in one is lost by the other. Close it "
          "there, then open it here."},
    Entry{TextId::SavedBeside,
          "%1 was changed or replaced by another program since Kolekt opened it.\nSo that "
          "neither version is lost, Kolekt did not overwrite it and saved your collection as\n"
          "%2\nKolekt goes on with that file."},
    Entry{TextId::Recovered,
          "Kolekt could not save the collection to %1.\nSo that no report is lost, it was saved "
          "as\n%2\nOpen that file with \"Load New List from Secretary\" to go on with it."},
    Entry{TextId::RecoveryFailed,
          "Kolekt could not save the collection to %1, nor to the folder %2.\nThe reports posted "
          "since it was last saved could not be kept."},
    Entry{TextId::RecoveredCollectionsFound,
          "Collections that could not be saved to their own files when Kolekt ended are kept "
          "in\n%1\nOpen one with \"Load New List from Secretary\" to go on with it."},
    Entry{TextId::LockBlocked,
          "%1 cannot be opened: its lock file %2 is not a file Kolekt made (it is a link, a "
          "folder or a special file).\nRemove it, then open the collection file again."},
    Entry{TextId::PostWithoutName, "&Post"},
    Entry{TextId::PrintSetupTitle, "Print Setup"},
    Entry{TextId::PrintSetupConfirm, "OK"},
    Entry{TextId::PdfNotWritten, "The PDF file could not be written:\n%1\n\n%2"},
    Entry{TextId::PrinterRefusedJob, "The printer %1 did not take the job:\n%2"},
    Entry{TextId::NextTelephoneNumber, "Next Telephone Number"},
    Entry{TextId::NextPage, "Next Page"},
    Entry{TextId::PreviousPage, "Previous Page"},
    Entry{TextId::SecretaryAddressUnusable,
          "\n\nThe secretary's e-mail address in the file cannot be used, so the file cannot be "
          "e-mailed from here. Please hand it to the secretary yourself."},
    Entry{TextId::MailPasswordPrompt, "Mail password for %1 on %2:"},
    Entry{TextId::SendingMail, "Sending the mail through %1..."},
    Entry{TextId::CancelButton, "Cancel"},
    Entry{TextId::MailCancelled, "Sending was cancelled. The mail was not sent."},
    Entry{TextId::MailServerUnreachable,
          "Kolekt could not connect to the mail server %1. The mail was not sent."},
    Entry{TextId::MailServerTimedOut,
          "The mail server %1 did not answer in time. The mail was not sent."},
    Entry{TextId::MailLogOnRefused,
          "The mail server %1 refused the log-on. Check the user name and the password. The "
          "mail was not sent."},
    Entry{TextId::MailServerWithoutStartTls,
          "The mail server %1 does not offer an encrypted connection (STARTTLS), so Kolekt did "
          "not send the password. The mail was not sent."},
    Entry{TextId::MailServerNotTrusted,
          "No secure connection to the mail server %1 could be made: its certificate was not "
          "accepted. The mail was not sent."},
    Entry{TextId::MailRefused, "The mail server %1 refused the mail. The mail was not sent."},
    Entry{TextId::LanguageMenu, "&Language"},
    Entry{TextId::UnknownLanguage,
          "The language \"%1\" is not known. Kolekt knows these languages: %2."},
    Entry{TextId::UnknownCodePage,
          "The code page \"%1\" is not known. Kolekt reads collection files in these code "
          "pages: %2."},
    Entry{TextId::YesButton, "&Yes"},
    Entry{TextId::NoButton, "&No"},
    Entry{TextId::RemarkCharactersNotHeld,
          "The collection file's code page (%2) cannot hold these characters of the remark: "
          "%1\nEach of them would be stored as \"?\".\n\nStore the remark like this? Otherwise "
          "it stays open for you to change it."},
    Entry{TextId::DesktopGenericName, "Field Service Reports"},
    Entry{TextId::DesktopComment,
          "Post the monthly field service reports of a group and return them to the secretary"},
    Entry{TextId::MetainfoSummary, "Collect the monthly field service reports of a group"},
    Entry{TextId::MimeComment, "Field service report collection"},
    Entry{TextId::LowMemory, "Low Memory"},
    Entry{TextId::NoPrinter, "No Printer"},
    Entry{TextId::CannotStartPrinting, "Printing on %1 could not be started."},
    Entry{TextId::TelephoneUnavailable, "Telephone service not available"},
    Entry{TextId::EmailButtonPrefix, "&E-mail - "},
    Entry{TextId::RemarkRoomLeft, "%1 left"},
    Entry{TextId::UndoPosting, "&Undo posting %1 (%2)"},
    Entry{TextId::NothingToUndo, "There is nothing to undo. Only reports posted to this file since "
                                 "Kolekt was started can be undone."},
    Entry{TextId::PostedShared, "shared"},
    Entry{TextId::PostedNotShared, "not shared"},
    Entry{TextId::PostedHours, "hours: %1"},
    Entry{TextId::PostedStudies, "studies: %1"},
    Entry{TextId::PostedRemark, "remark"},
    Entry{TextId::PostDescription, "%1 \u2013 %2: %3"},
    Entry{TextId::UndoMenu, "&Undo"},
    Entry{TextId::StatusReported, "reported"},
    Entry{TextId::StatusMissing, "missing"},
    Entry{TextId::StatusRemarkOnly, "remark only"},
    Entry{TextId::StatusLateFor, "late report for %1 posted"},
    Entry{TextId::SummaryReported, "%1: %2 of %3 reported"},
    Entry{TextId::SummaryPioneers, "Pioneer hours: %1 \u00B7 Bible studies: %2"},
    Entry{TextId::AllReportsIn, "All reports are in: now \"%1\"."},
    Entry{TextId::ReportsStillMissing,
          "These reports are still missing: %1\n\nCreate the file for the secretary all the same?"},
    Entry{TextId::EmptyWindowHint,
          "Open the file the secretary sent you: \"%1\", or drop the .k09 file on this window."},
    Entry{TextId::HistoryCaption, "Last twelve months"},
    Entry{TextId::HistoryLate, "late"},
    Entry{TextId::ServiceYearHours, "Service year so far: hours: %1"},
    Entry{TextId::FormGroupHeading, "Group #%1"},
    Entry{TextId::DialTip, "Call the telephone number shown"},
    Entry{TextId::ReminderSubjectTemplate, "Field service report for %MONTH% %YEAR%"},
    Entry{TextId::ReminderTextTemplate,
          "Dear %NAME%,\n\nPlease submit your report for %MONTH% %YEAR%.\nThank you."},
    Entry{TextId::CopyMessageButton, "Copy Message"},
    Entry{TextId::ShowFileInFolderButton, "Show File in Folder"},
    Entry{TextId::AttachFileYourself, "\n\nThe file to attach to the mail is:\n%1"},
    Entry{TextId::NoFileManager, "No file manager was found to show the file."},
    Entry{TextId::RemindAllMissingMenu, "&Remind All Missing"},
    Entry{TextId::RemindAllQuestion, "Send a reminder to each of these %1 publishers whose report "
                                     "is missing, one message each?%2"},
    Entry{TextId::RemindersWithoutAddress,
          "\n\nThese publishers have no usable e-mail address and get no reminder:%1"},
    Entry{TextId::NoOneToRemind,
          "No publisher whose report is missing has a usable e-mail address."},
    Entry{TextId::ComposeWindowsWillOpen, "The mail program will now open %1 messages, one for "
                                          "each publisher. Check and send each of them there."},
    Entry{TextId::RemindersSent, "%1 of %2 reminders were sent."},
    Entry{TextId::RemindersOpened, "%1 of %2 reminders were opened in the mail program."},
    Entry{TextId::SendingReminder, "Sending reminder %1 of %2 through %3..."},
    Entry{TextId::MailSettingsMenu, "&Mail Settings..."},
    Entry{TextId::MailSettingsTitle, "Mail Settings"},
    Entry{TextId::MailServerLabel, "Mail &server:"},
    Entry{TextId::MailServerHint,
          "Leave it empty to use the desktop's mail program; for example smtps://mail.example.org"},
    Entry{TextId::SenderLabel, "Sender &address:"},
    Entry{TextId::UserLabel, "&User name:"},
    Entry{TextId::PasswordLabel, "&Password:"},
    Entry{TextId::RememberPasswordBox, "&Remember the password in the desktop's keyring"},
    Entry{TextId::OverseerNameLabel, "Your &name (signs the reminders):"},
    Entry{TextId::ReminderSubjectLabel, "Reminder sub&ject:"},
    Entry{TextId::ReminderTextLabel, "Reminder te&xt:"},
    Entry{TextId::PlaceholdersHint,
          "%NAME% stands for the publisher's first name, %MONTH% and %YEAR% for the month and its "
          "year, %GROUP% for the group's number."},
    Entry{TextId::SendTestMessageButton, "Send &Test Message"},
    Entry{TextId::TestMessageSubject, "Kolekt test message"},
    Entry{TextId::TestMessageBody,
          "This message shows that Kolekt can send mail with these settings."},
    Entry{TextId::TestMessageAccepted, "The mail server %1 accepted the test message to %2."},
    Entry{TextId::TestMessageHandedOver,
          "The test message to %1 was handed to the desktop's mail program."},
    Entry{TextId::SenderNeeded,
          "Enter your own e-mail address as the sender: the test message goes to it."},
    Entry{TextId::KeyringFailed, "The password could not be kept in the desktop's keyring:\n%1"},
    Entry{TextId::GuideButton, "Guide"},
    Entry{TextId::GuideTitle, "Kolekt Guide"},
    Entry{TextId::GuideSearchLabel, "&Search:"},
    Entry{TextId::GuideSections, "Sections of the guide"},
    Entry{TextId::MailLibraryInvalid, "Mail system DLL is invalid."},
    Entry{TextId::TelephonyEntryMissing, "bad procaddress"},
    Entry{TextId::SettingsNotStored,
          "Kolekt could not store its settings in\n%1\nThe file or its lock file beside it may be "
          "write-protected, held by another program, a link, a folder or a special file, or the "
          "disk may be full. Your collection files are not affected; only what Kolekt remembers "
          "for the next start (the file open last, the language, the mail settings) is not "
          "stored."},
    Entry{TextId::SaveFailed, "Kolekt could not save %1."},
    Entry{TextId::ReadOnlyCause,
          "The file, its folder or the disk is read-only: remove the read-only attribute or "
          "obtain permission to create files in its folder."},
    Entry{TextId::DiskFullCause, "The disk is full (%1): make room on it or use another disk."},
    Entry{TextId::NameTooLongCause,
          "Its name or path is too long for this file system (%1): give it a shorter name or "
          "move it to a folder with a shorter path."},
    Entry{TextId::AccessDeniedCause,
          "You may not create or replace files in its folder (%1): the folder is not writable "
          "for you, or it is a shared folder where only a file's owner may replace it. Ask the "
          "folder's owner, or copy the file to a folder of your own."},
    Entry{TextId::NotSupportedCause,
          "The file system there cannot do what saving needs (%1): copy the file to another "
          "disk or folder."},
    Entry{TextId::OtherCause, "The system reports: %1."},
    Entry{TextId::ExtraBytesIgnored,
          "%1 holds %3 bytes after its last remark, which are not part of a collection file.\n"
          "Kolekt ignores them, and the next save writes the file without them."},
    Entry{TextId::AccessNarrowed,
          "%1 was saved, but it now belongs to you and your group: Kolekt could keep neither its "
          "owner nor its group, so some who could read it before may no longer be able to.\nAsk "
          "the file's owner or an administrator to give it back its owner or group."},
    Entry{TextId::FolderGoneCause,
          "The folder it was opened from is no longer there: perhaps a stick or a network drive "
          "was removed. Put it back, and the next post saves every report posted since."},
    Entry{TextId::GroupYearMenu, "Group &Year"},
    Entry{TextId::GroupYearTitle, "Group Year"},
    Entry{TextId::ShortMonthNames, "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec"},
    Entry{TextId::YearCellHours, "%1 h"},
    Entry{TextId::YearCellStudies, "%1 BS"},
    Entry{TextId::YearReportedRow, "Reported"},
    Entry{TextId::YearReportedOf, "%1 of %2 reported"},
    Entry{TextId::YearCellDescription, "%1, %2: %3"},
    Entry{TextId::YearChartName, "Reports each month"},
    Entry{TextId::SavePdfButton, "Save as P&DF..."},
    Entry{TextId::SavePdfTitle, "Save the Group Year as PDF"},
    Entry{TextId::PdfFiles, "PDF documents"},
    Entry{TextId::YearLegend, "\u2713 shared \u00B7 \u25CB not shared \u00B7 h hours \u00B7 BS "
                              "Bible studies \u00B7 * remark"},
    Entry{TextId::PdfFolderProblem, "Its folder may be missing, read-only or full."},
    Entry{TextId::EnterInteger, "Please enter an integer."},
    Entry{TextId::EnterIntegerBetween, "Please enter an integer between %1 and %2."},
    Entry{TextId::NoMailSystem, "No mail program was found."},
    Entry{TextId::MailSystemUnusable, "The mail settings are not usable."},
    Entry{TextId::SendMailFailed, "Send Mail failed to send message."},
};

static_assert(std::is_sorted(kEntries.begin(), kEntries.end(),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

// The current language's text, English where its catalogue lacks the entry.
std::string find(TextId id) {
    if (std::optional<std::string> text = catalogueText(currentLanguage(), id))
        return std::move(*text);
    return std::string(englishText(id));
}

} // namespace

std::string_view englishText(TextId id) {
    const auto it = std::lower_bound(kEntries.begin(), kEntries.end(), id,
                                     [](const Entry& e, TextId wanted) { return e.id < wanted; });
    return it != kEntries.end() && it->id == id ? it->text : std::string_view{};
}

std::vector<TextId> textIds() {
    std::vector<TextId> ids;
    ids.reserve(kEntries.size());
    for (const Entry& entry : kEntries)
        ids.push_back(entry.id);
    return ids;
}

std::string loadText(TextId textId, TextId argId) {
    if (argId == TextId::None) {
        return find(textId);
    }
    return fillArguments(find(textId), {find(argId)});
}

std::string fillArguments(std::string_view pattern, std::span<const std::string_view> args) {
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            const int index = pattern[i + 1] - '1';
            if (index >= 0 && index < static_cast<int>(args.size())) {
                result += args[static_cast<std::size_t>(index)];
                ++i;
                continue;
            }
        }
        result += pattern[i];
    }
    return result;
}

} // namespace kolekt
