// The common control classes that the dialog templates use.
#pragma once

// Registers the hot key control's class. With version 6 of the common
// controls, which the manifest asks for, InitCommonControls registers no
// class at all; a class is registered when it is asked for by name. Without
// it the main window, whose template holds a hot key control, cannot be
// created on a system that does not register the class on its own.
void RegisterCommonControlClasses();
