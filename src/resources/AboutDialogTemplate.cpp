#include "resources/AboutDialogTemplate.h"

namespace kolekt {

namespace {

using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {kNoId, Icon, "", 11, 11, 20, 20, true, false, kStyleNone},
    {kNoId, Static, TextId::AboutVersion, 40, 11, 84, 8, true, false, kStyleNoPrefix},
    // As wide as the room left of OK allows, so that the licence line fits in every language.
    {kNoId, Static, TextId::AboutLicence, 40, 24, 86, 8, true, false, kStyleNone},
    {1, DefPushButton, TextId::MainOkButton, 130, 14, 44, 14, true, true, kStyleNone},
    {kNoId, Static, TextId::AboutContact, 10, 64, 167, 8, true, false, kStyleNone},
    {kNoId, Static, TextId::AboutRequires, 10, 39, 167, 18, true, false, kStyleWrap},
};

} // namespace

// No system menu: the box closes with OK, Enter or Esc only.
const DialogTemplate kAboutDialogTemplate = {
    100, 184, 78, "MS Sans Serif", 10, TextId::AboutTitle, kDialogNone, kControls,
};

} // namespace kolekt
