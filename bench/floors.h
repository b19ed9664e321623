// The floors of the process figures, each a program of its own in the
// bench's executable.
#pragma once

// The floors' window titles.
inline constexpr char kFloorTitle[] = "Start-up floor";
inline constexpr char kShowingFloorTitle[] = "Showing floor";

// The floor of a sampling picker: reads the pointer and the square every
// 25 ms and shows what changed, in the window of the program at `program`.
// Runs until closed.
int ShowingFloor(const char* program);

// The start-up floor: the program's window, which writes one text at its
// first 25 ms tick. Runs until closed.
int StartUpFloor();
