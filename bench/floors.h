// The floors of the process figures, each a program of its own in the
// bench's executable.
#pragma once

// The floors' window titles.
inline constexpr char kFloorTitle[] = "Start-up floor";
inline constexpr char kShowingFloorTitle[] = "Showing floor";

// The moving pointer's floor: reads the pointer and the square every 25 ms
// and shows what changed in the program's own window. Runs until closed.
int ShowingFloor();

// The start-up floor: the program's window, which writes one text at its
// first 25 ms tick. Runs until closed.
int StartUpFloor();
