#pragma once
#include <QByteArray>
#include <QRectF>
#include <QString>

// Windows metafiles (placeable WMF and EMF) turned into SVG documents.
//
// The converting libraries trust their input, so every metafile is walked
// record by record first: each record must lie inside the data, the chain
// must end with its end-of-file record within a bounded number of records,
// the frame must have a sane size, object handles must name objects that
// exist, and the counts inside the records the libraries read (points,
// characters, bitmaps, regions) must fit their record. Record kinds that are
// not understood here make the whole metafile unreadable.

enum class TMetafileKind { None, Wmf, Emf };

struct TMetafileInfo {
    TMetafileKind Kind = TMetafileKind::None;
    // The picture's frame in 0.01 mm (HIMETRIC).
    int Width_Himetric = 0;
    int Height_Himetric = 0;
    // The frame in pixels at 96 per inch (at least 1 each).
    int Width_Px = 0;
    int Height_Px = 0;
    int Records = 0;
    // EMF: the part of the SVG's own coordinates the frame covers.
    QRectF Svg_View;
};

// Largest frame accepted, in pixels at 96 per inch: a side of 8192 and an
// area of 16 million pixels (a 64 MB image).
constexpr int Metafile_Max_Side = 8192;
constexpr qint64 Metafile_Max_Area = 16 * 1024 * 1024;
// Largest metafile accepted, in bytes.
constexpr qsizetype Metafile_Max_Bytes = 32 * 1024 * 1024;

// Placeable WMF (leading key 0x9AC6CDD7) or EMF (header record with " EMF").
TMetafileKind Metafile_Kind(const QByteArray &Data);

// Walks the records; false with a reason in Error when the data is refused.
bool Check_Metafile(const QByteArray &Data, TMetafileInfo &Info, QString &Error);

// Checks, then converts; Svg is an SVG document whose drawing fills the frame
// (WMF: Width_Px x Height_Px; EMF: Info.Svg_View of its coordinates).
bool Metafile_To_Svg(const QByteArray &Data, QByteArray &Svg, TMetafileInfo &Info, QString &Error);
