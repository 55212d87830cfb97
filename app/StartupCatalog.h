#pragma once

class TCatalog_EnOcean;

// The EEP catalogue of the run: created and loaded once at start
// (Load_Catalog_At_Start, app/Forms.h) and kept until the end; the EnOcean
// editors and the image compiler read it. Null before the start-up loads it.
extern TCatalog_EnOcean *Catalog_EnOcean;
