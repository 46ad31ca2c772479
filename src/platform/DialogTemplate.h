#pragma once

#include <span>

// A dialog template as data: what a Windows resource script would say about a dialog.
// Positions are in dialog units; Dialog maps them to pixels from the dialog font. Captions and
// control texts are English source texts, marked with QT_TRANSLATE_NOOP in the template's
// context and translated when the dialog is built.

namespace zel {

enum class ControlKind
{
    PushButton,
    DefPushButton,
    CheckBox, // toggles on each click
    GroupBox,
    Label,         // static text, left-aligned
    CenteredLabel, // static text, centred
    Edit,
    Picture,       // static picture; text names the image resource
    DropDownList,  // combo, not editable
    DropDownCombo, // combo, editable
    ReportList,    // list view in report mode
    TabControl,
    Ipv4Address,
};

// Style flags of a control (bit set).
enum ControlStyle : unsigned
{
    NoStyle = 0,
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    TabStop = 1u << 2,
    ReadOnly = 1u << 3,
    DigitsOnly = 1u << 4,
    PasswordChars = 1u << 5,
    Flat = 1u << 6,
    Bordered = 1u << 7,
    AutoHScroll = 1u << 8,
    CenteredCaption = 1u << 9, // group box with its caption centred
    Latin1Only = 1u << 10,     // an edit that takes no character past Latin-1 from the user
};

// Style flags of a dialog.
enum DialogStyle : unsigned
{
    ChildDialog = 1u << 0, // a page: no frame, lives inside a parent
    SystemMenu = 1u << 1,
    MinimizeBox = 1u << 2,
    ModalFrame = 1u << 3,
    ContextHelp = 1u << 4,
};

inline constexpr int kStaticId = -1; // controls the program never addresses

struct ControlTemplate
{
    int id;
    ControlKind kind;
    const char* text; // caption (a source text), a picture's resource path, or empty
    int x, y, width, height;
    unsigned styles;
    int textLimit; // 0 = none
    int helpId;    // 0 = no context help
};

struct DialogTemplate
{
    int id;
    const char* context; // translation context of its texts: the class of the window it makes
    const char* caption;
    int width, height;
    const char* fontFamily; // the design's; stands for the platform's dialog font
    int pointSize;
    unsigned styles;
    std::span<const ControlTemplate> controls; // template order = tab order
};

} // namespace zel
