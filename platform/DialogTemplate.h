#pragma once

#include <cassert>

#include <QFont>
#include <QRect>

#include <vector>

class QWidget;

// A dialog laid out in dialog units, as a Windows dialog template is: a
// horizontal unit is a quarter of the dialog font's average character width,
// a vertical unit an eighth of its height, so the layout scales with the
// font.
enum class ControlKind {
    Label, // static text; a '&' gives the next control a mnemonic
    CentredLabel,
    WrappedLabel, // static text over several lines
    RightLabel, // static text aligned right
    Icon, // the program's icon
    Edit, // one-line edit
    MultiLineEdit, // plain text; Enter inserts a line break
    NumberEdit, // one-line edit for digits, with an up-down control next
    UpDown, // the arrows of the NumberEdit just before it
    Button,
    DefaultButton,
    GroupBox,
    DropDownList,
    VerticalProgress,
    Display, // multi-line, read-only, centred
    ReportList, // list view in report mode, single selection
    WordList, // a long list without header; several items may be selected
};

constexpr int IDC_STATIC = -1;

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, cx, cy;
    bool disabled = false;
};

struct DialogTemplate {
    int cx, cy;
    std::vector<ControlTemplate> controls;
};

// The font dialogs are laid out with: the desktop's font at 8 points, the
// size of the Windows dialog font.
QFont DialogFont();

// Creates the template's controls as children of `parent`, in tab order,
// each with its id in decimal as object name (an up-down control has no
// widget of its own: its edit is a spin box). Returns the client size.
QSize BuildDialog(QWidget* parent, const DialogTemplate& dialog, int top = 0);

// The template's sizes were made for the Windows dialog font; with other
// fonts a text may not fit. Widens every label, button, check box and combo
// box of `dialog` whose text does not fit, moving what stands to its right
// (and a group box around it grows along). Returns `client` widened to hold
// what moved. Call it once the controls hold their texts and items.
QSize FitControlsToText(QWidget* dialog, QSize client);

// The width a label, push button or combo box needs to show its text (every
// item's) whole, by the style's own measures; 0 for other controls.
int NeededWidth(QWidget* control);

// The control with that id; an up-down id gives its edit.
QWidget* DialogControl(const QWidget* parent, int id);

// The control as the kind the caller expects; a template whose control is
// of another kind fails loudly here rather than somewhere later.
template <typename T>
T* DialogControl(const QWidget* parent, int id)
{
    QWidget* control = DialogControl(parent, id);
    T* typed = dynamic_cast<T*>(control);
    assert(typed || !control);
    return typed;
}
