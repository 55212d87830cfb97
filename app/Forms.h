#pragma once
#include <QDialog>
#include <QPointer>

// Every window of the program, created once at start in this order and kept
// until the end:
//   FBrindelcoreFirmWare, FNew_Project, FOpenConf, FAbout, FSoftOptions,
//   Form1, FEnOcean_SetAccess, FParGen, FBoot, FEnOcean_SetAccess2,
//   FEnOcean_Device, FEnOcean_Variable, FMQTT_Set_Topic, FTopicTemplate,
//   FEnOcean_Variable_SAck, FProfinetFileName, FBACnet_Eng_Unit,
//   FBACnetSlaveSetAccess.
// Windows not built yet are empty dialogs (shells) under their final names;
// each is replaced by its real class in Create_Forms.

extern QPointer<QDialog> Form1;                   // catalogue test window, never shown
extern QPointer<QDialog> FEnOcean_SetAccess;      // older EnOcean editor, never shown
extern QPointer<QDialog> FParGen;                 // parameter editor
extern QPointer<QDialog> FBoot;                   // device update dialog
extern QPointer<QDialog> FEnOcean_SetAccess2;     // EnOcean network editor
extern QPointer<QDialog> FEnOcean_Device;
extern QPointer<QDialog> FEnOcean_Variable;
extern QPointer<QDialog> FMQTT_Set_Topic;
extern QPointer<QDialog> FTopicTemplate;
extern QPointer<QDialog> FEnOcean_Variable_SAck;
extern QPointer<QDialog> FProfinetFileName;
extern QPointer<QDialog> FBACnet_Eng_Unit;
extern QPointer<QDialog> FBACnetSlaveSetAccess;

// Creates the main window and then every other window, in start-up order.
// Returns the main window (owned by the caller); the others are owned by it.
class TFBrindelcoreFirmWare;
TFBrindelcoreFirmWare *Create_Forms();

// The same in two halves, so that the program can show the main window
// before the others are built: Create_Main_Form makes the main window alone;
// Create_Other_Forms completes the catalogue's load and then makes the other
// windows in start-up order, owned by Main. The second half runs once per main
// window; later calls do nothing, so whatever needs the other windows calls it
// first. Size_Labels_After_Show: the main window's labels are sized from the
// event loop (TFBrindelcoreFirmWare::TLabel_Sizing::After_Show), for a window
// shown at once.
TFBrindelcoreFirmWare *Create_Main_Form(bool Size_Labels_After_Show = false);
void Create_Other_Forms(TFBrindelcoreFirmWare *Main);

// Runs Create_Other_Forms(Main) from the event loop as soon as Main has
// painted its first frame.
void Create_Other_Forms_After_First_Frame(TFBrindelcoreFirmWare *Main);

// Set_Lang of the re-languaged windows other than the main window, the
// project dialogs and the options (update dialog, parameter editor, older
// EnOcean editor, MQTT editor, GSDML file name, BACnet access, engineering
// units), in that order. Shells have no texts.
void Change_Language_Of_Other_Forms();

// Creates the EEP catalogue and loads it from Cat_EnOcean_Dir/eep.xml,
// completing the read that the main window's creation began, before the first
// window that uses the catalogue (Create_Other_Forms). A catalogue that is
// missing or cannot be read is reported once; the editors then offer no
// profiles.
void Load_Catalog_At_Start();
