#pragma once

// Reading order of a control, as the original platform's controls carried it.
// Shared by every control family that takes it (one definition only).
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
