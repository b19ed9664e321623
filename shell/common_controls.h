// The common controls that the dialog templates use.
#pragma once

// Loads the common controls from System32 (version 6, which the manifest
// asks for) and registers the hot key control's class. They are not imported:
// an import loads them, and the theme library that they load in turn, before
// the program can keep the DLL search out of its own folder. With version 6,
// InitCommonControls registers no class at all; a class is registered when
// it is asked for by name. Without it the main window, whose template holds a
// hot key control, cannot be created on a system that does not register the
// class on its own.
void RegisterCommonControlClasses();
