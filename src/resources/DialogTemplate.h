// Dialog templates as data: the controls of every dialog with their ids, captions
// and rectangles in dialog units. The dialog layer builds Qt widgets from them.
#pragma once

#include "resources/TextId.h"

#include <span>
#include <string_view>

namespace kolekt {

enum class ControlKind {
    PushButton,
    DefPushButton,
    AutoCheckBox,
    Edit,
    ListBox,
    Static,
    GroupBox,
    EtchedFrame,
    Icon,
    OwnerDrawButton,
};

// Style bits beyond what the kind implies.
enum ControlStyle : unsigned {
    kStyleNone = 0,
    kStyleCentered = 1u << 0, // static or check box text centred
    kStyleLeftText = 1u << 1, // check box with its text on the left
    kStyleWrap = 1u << 2,     // text wraps onto several lines
    kStyleNotify = 1u << 3,   // list box reports selection changes and double clicks
    kStyleBorder = 1u << 4,
    kStyleVScroll = 1u << 5,
    kStyleNoPrefix = 1u << 6, // '&' is shown, not a mnemonic
    kStyleAutoHScroll = 1u << 7,
    kStyleFlat = 1u << 8,
    kStyleSort = 1u << 9, // list box sort style (lines are still inserted at positions)
    // In a dialog that can be resized, how a control follows the edges that move: it moves
    // along with the right or bottom edge, or its own right or bottom edge follows and it grows.
    // Without these it keeps its place at the top left.
    kStyleMovesRight = 1u << 10,
    kStyleMovesDown = 1u << 11,
    kStyleGrowsRight = 1u << 12,
    kStyleGrowsDown = 1u << 13,
};

inline constexpr int kNoId = -1;

// A control's caption: an entry of the string table, so that it follows the language, or a
// sign that reads the same in every language ("> > >").
struct TemplateText {
    constexpr TemplateText(TextId textId) : id(textId) {}
    constexpr TemplateText(const char* signs) : sign(signs) {}

    TextId id = TextId::None;
    std::string_view sign;
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    TemplateText text;
    int x, y, width, height; // dialog units
    bool visible;
    bool tabStop;
    unsigned style;
};

enum DialogStyle : unsigned {
    kDialogNone = 0,
    kDialogSystemMenu = 1u << 0, // close box in the caption
    kDialogAppWindow = 1u << 1,  // own taskbar entry
    kDialogResizable = 1u << 2,  // the template's size is the smallest, its controls follow
    // Tab and Shift+Tab go through the controls as they are laid out, row by row from the top
    // and left to right in a row; the dialog's own moves (the first focus, Enter to the next
    // field) keep to template order.
    kDialogTabByLayout = 1u << 3,
};

struct DialogTemplate {
    int id;
    int width, height; // dialog units
    std::string_view fontFace;
    int pointSize;
    TextId title; // None: set when the dialog opens
    unsigned style;
    std::span<const ControlTemplate> controls; // template order, the tab order by default
};

} // namespace kolekt
