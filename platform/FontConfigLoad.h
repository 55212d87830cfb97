#pragma once
#include <future>

// Starts reading the system's font configuration and font cache on a worker,
// to be called first thing in main: the application object takes longer to
// build than the reading, and the first text measured on the main thread then
// finds it done instead of reading it itself. Where the system keeps no such
// configuration (or no thread can be had) the returned future is empty and
// nothing happens. Holding the future until the end keeps the worker joined.
std::future<void> Begin_Font_Config_Load();
