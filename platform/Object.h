#pragma once
#include <cstdint>

// The root of objects kept in a grid cell's object slot (cell properties,
// cell graphics). The slot holds one pointer-sized value that the grid does
// not own; some callers keep plain integers there (Object_From_Int).
class TObject {
public:
    virtual ~TObject() = default;
    // The exact class name (each class that others test by name overrides it).
    virtual const char *ClassName() const { return "TObject"; }
};

inline TObject *Object_From_Int(std::intptr_t V) { return reinterpret_cast<TObject *>(V); }
inline std::intptr_t Int_From_Object(const TObject *O) { return reinterpret_cast<std::intptr_t>(O); }
