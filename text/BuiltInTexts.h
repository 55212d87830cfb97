#pragma once

// One built-in English text. The rows live in text/Texts_<area>.inc files,
// one per window family, so that each area adds its block without touching
// the others; the build gathers every such file (see text/CMakeLists.txt).
struct TBuiltInText
{
    int Number;
    const char *Text; // UTF-8
};
