#include "resources/EntryDialogTemplate.h"

namespace kolekt {

namespace {

using namespace entry_id;
using K = ControlKind;

constexpr unsigned kValueEdit = kStyleBorder | kStyleAutoHScroll;

// Template order is the order Enter and the arrow keys walk the fields in; Tab follows the layout.
constexpr ControlTemplate kControls[] = {
    {kShared, K::AutoCheckBox, TextId::SharedInMinistryBox, 22, 52, 44, 18, false, true,
     kStyleLeftText | kStyleCentered | kStyleWrap},
    {kPlacements, K::Edit, "", 14, 55, 26, 12, true, true, kValueEdit},
    {kVideos, K::Edit, "", 45, 55, 26, 12, true, true, kValueEdit},
    {kHours, K::Edit, "", 76, 55, 26, 12, true, true, kValueEdit},
    {kReturnVisits, K::Edit, "", 106, 55, 26, 12, true, true, kValueEdit},
    {kStudies, K::Edit, "", 137, 55, 26, 12, true, true, kValueEdit},
    {kOk, K::DefPushButton, TextId::EntryOkButton, 212, 81, 54, 14, true, true, kStyleNone},
    {kCancel, K::PushButton, TextId::EntryCancelButton, 212, 57, 54, 14, true, true, kStyleNone},
    {kNoId, K::GroupBox, "", 10, 30, 157, 44, true, false, kStyleNone},
    {kMonthName, K::Static, "", 151, 6, 51, 9, true, false, kStyleCentered},
    {kPlacementsCaption, K::Static, "", 14, 42, 25, 10, true, false, kStyleCentered},
    {kVideosCaption, K::Static, "", 45, 42, 25, 10, true, false, kStyleCentered},
    {kHoursCaption, K::Static, "", 76, 42, 25, 10, true, false, kStyleCentered},
    {kReturnVisitsCaption, K::Static, "", 106, 42, 25, 10, true, false, kStyleCentered},
    {kStudiesCaption, K::Static, "", 137, 42, 25, 10, true, false, kStyleCentered},
    {kNoId, K::EtchedFrame, "", 150, 3, 54, 15, true, false, kStyleNone},
    {kName, K::Static, "", 17, 7, 120, 8, true, false, kStyleNone},
    {kNoId, K::EtchedFrame, "", 10, 3, 133, 15, true, false, kStyleNone},
    {kPioneerStatus, K::Static, "", 128, 22, 74, 8, true, false, kStyleNone},
    {kPrivilege, K::Static, "", 10, 22, 109, 8, true, false, kStyleNone},
    {kMonthList, K::ListBox, "", 212, 3, 80, 99, true, true, kStyleBorder | kStyleNotify},
    {kChangeMonth, K::PushButton, "", 10, 81, 94, 14, true, true, kStyleNone},
    {kNoId, K::GroupBox, "", 10, 101, 256, 45, true, false, kStyleNone},
    {kWarnings, K::Static, "", 15, 109, 245, 32, true, false, kStyleNone},
    {kCloseMonthList, K::PushButton, TextId::EntryOkButton, 65, 81, 50, 14, true, true, kStyleNone},
    {kRemarks, K::PushButton, TextId::RemarksButton, 212, 34, 54, 14, true, true, kStyleNone},
    {kRemarkField, K::Edit, "", 22, 82, 116, 13, true, true, kValueEdit},
    {kRemarkRoom, K::Static, "", 143, 92, 48, 8, true, false, kStyleNone},
    {kGroup, K::Static, "", 214, 6, 46, 10, true, false, kStyleCentered},
    {kAddedHours, K::Static, "", 143, 83, 56, 9, true, false, kStyleCentered},
    {kAuxiliaryPioneer, K::AutoCheckBox, TextId::AuxiliaryPioneerBox, 124, 22, 84, 10, false, true,
     kStyleNone},
    {kUnderOneHour, K::AutoCheckBox, TextId::UnderOneHourBox, 172, 56, 32, 10, true, true,
     kStyleNone},
    {kHistory, K::ListBox, "", 300, 3, 186, 143, true, true, kStyleBorder | kStyleVScroll},
};

} // namespace

const DialogTemplate kEntryDialogTemplate{
    107, 490, 150, "MS Sans Serif", 10, TextId::None, kDialogTabByLayout, kControls,
};

} // namespace kolekt
