#pragma once

// Reading order of a control: left to right, or one of the right-to-left modes.
// Shared by every control family that takes it (one definition only).
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// Whether the platform runs a right-to-left (Middle East) locale: read once
// from the system locale's text direction. Only then do the reading-order
// settings of controls change how text is drawn. Tests may set the answer.
bool Platform_Right_To_Left();
void Set_Platform_Right_To_Left(bool Value);
