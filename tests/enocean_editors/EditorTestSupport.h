#pragma once
#include "editors/EnOcean_Network.h"
#include <QByteArray>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
class QComboBox;
class QDialog;

// A small catalogue: RORGs F6, D5, A5, D2, the first Rorg_Count of them (the
// Ruzor AVI EEP is the fourth RORG's tenth FUNC). Every RORG but the last has
// FUNCs 1 and 2; the last has Last_Func_Count FUNCs numbered from 0. Every
// FUNC has TYPEs 1 and 2, every TYPE the cases "Normal" (TMP, HUM) and
// "Alarm" (TMP, SW).
QByteArray Editor_Catalogue_Xml(int Rorg_Count = 4, int Last_Func_Count = 10);

// Runs Inside once Dialog is shown (modally) during Trigger; a dialog still
// open after Inside is cancelled. False when Dialog never opened.
bool While_Dialog(QDialog *Dialog, const std::function<void()> &Inside, const std::function<void()> &Trigger);

// Chooses Index in a list as the user does (the list's activated signal).
void Pick(QComboBox *List, int Index);

// An EEP entry with variables given as case and data field (positions from
// 10 on, start bit 3).
std::unique_ptr<TRorFunTyp> Make_Entry(int Rorg, int Func, int Type,
                                       std::initializer_list<std::pair<int, const char *>> Vars = {});

// A device with the given EEP entries (RORG, FUNC, TYPE and variables as
// case and data field; positions from 10 on, start bit 3).
struct TEntry_Def
{
    int Rorg, Func, Type;
    std::initializer_list<std::pair<int, const char *>> Vars;
};
std::unique_ptr<TDevice_EnOcean> Make_Device(const char *Id, std::initializer_list<TEntry_Def> Uni,
                                             std::initializer_list<TEntry_Def> SAck = {});
