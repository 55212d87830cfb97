#pragma once
#include "image/ImageCompiler.h"

class TCatalog_EnOcean;

// The compiler's view of the EEP catalogue: a case's identifier triple by
// RORG/FUNC/TYPE and case position (Get_CaseObj).
class TCatalog_Case_Lookup : public ICase_Lookup
{
public:
    // Catalog may be null: then no variable can be placed.
    explicit TCatalog_Case_Lookup(const TCatalog_EnOcean *Catalog) : FCatalog(Catalog) {}
    bool Get_Case(int RorgNum, int FuncNum, int TypeNum, int CaseNum, TCase_Key &Key) const override;

private:
    const TCatalog_EnOcean *FCatalog;
};
