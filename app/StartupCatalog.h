#pragma once

class TCatalog_EnOcean;

// The EEP catalogue of the run: created and loaded once at start
// (Load_Catalog_At_Start, app/Forms.h) and kept until the end; the EnOcean
// editors and the image compiler read it. Null before the start-up loads it.
extern TCatalog_EnOcean *Catalog_EnOcean;

// Starts reading the catalogue file of the program folder on a worker thread,
// so that the file is parsed while the main window paints its first frame.
// The program calls it once the main window is shown, not while the window is
// built: a parsing worker slows the building thread (its allocations and page
// faults contend with it), which delays the window's mapping.
// Load_Catalog_At_Start waits for that worker and only then publishes the
// catalogue: nothing can see it before it is complete. Without this call (or
// when the program folder changed meanwhile) Load_Catalog_At_Start reads the
// file itself.
void Begin_Catalog_Load_At_Start();
