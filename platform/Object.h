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

// A plain integer in an object slot is tagged in its lowest bit (objects are
// aligned, so the bit is free), so that code looking for an object there can
// tell it apart and never dereferences it.
inline TObject *Object_From_Int(std::intptr_t V)
{
    return reinterpret_cast<TObject *>((static_cast<std::uintptr_t>(V) << 1) | 1u);
}
inline bool Is_Int_Object(const TObject *O) { return (reinterpret_cast<std::uintptr_t>(O) & 1u) != 0; }
inline std::intptr_t Int_From_Object(const TObject *O)
{
    return Is_Int_Object(O) ? reinterpret_cast<std::intptr_t>(O) >> 1 : reinterpret_cast<std::intptr_t>(O);
}
// The object in a slot, or nullptr for an empty slot or a tagged integer.
inline TObject *Real_Object(TObject *O) { return O && !Is_Int_Object(O) ? O : nullptr; }
