#include "resources/AboutDialogTemplate.h"

namespace kolekt {

namespace {

using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {kNoId, Icon, "", 11, 11, 20, 20, true, false, kStyleNone},
    {kNoId, Static, "Kolekt Version 5a", 40, 11, 84, 8, true, false, kStyleNoPrefix},
    {kNoId, Static, "GNU GPL 3 or later", 40, 24, 70, 8, true, false, kStyleNone},
    {1, DefPushButton, "OK", 130, 14, 44, 14, true, true, kStyleNone},
    {kNoId, Static, "Questions and fixes: kolekt@example.org", 10, 64, 167, 8, true, false,
     kStyleNone},
    {kNoId, Static, "Requires Groupx.k09 files from Scriba Version 10a or later", 10, 39, 167, 18,
     true, false, kStyleWrap},
};

} // namespace

// No system menu: the box closes with OK, Enter or Esc only.
const DialogTemplate kAboutDialogTemplate = {
    100, 184, 78, "MS Sans Serif", 10, "About Kolekt", kDialogNone, kControls,
};

} // namespace kolekt
