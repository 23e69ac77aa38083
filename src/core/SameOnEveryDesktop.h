#pragma once
// The program looks and speaks the same on every desktop. A desktop of the GNOME family
// (GNOME, Cinnamon, MATE, Xfce, Unity, LXDE) gives Qt a theme of its own: with the GTK
// theme installed, the colour choice and the choice of a file open GTK's dialogs, which
// speak the desktop's language and lack the screen picker; and every desktop turns the
// order of the dialogs' buttons its own way and gives the windows a face of its own,
// monospace where the system has only the program's fonts. Here every dialog is Qt's own,
// which the program's translation puts in Romanian, its buttons in one order (OK before
// Cancel, Da before Nu), and every window is written in one proportional face that the
// program's package brings.

#include <QFont>

namespace core {

// Before the application object is made: Qt's own dialogs instead of the desktop's.
void UseQtDialogsEverywhere();

// Once the application object is made: the buttons' order and the interface face.
void LookTheSameOnEveryDesktop();

// The face of every window and of Qt's own dialogs: Liberation Sans, which the package
// depends on (the documents are measured in it), at the size Qt gives its dialogs when
// no desktop speaks.
QFont InterfaceFont();

}  // namespace core
