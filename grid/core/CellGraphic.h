#pragma once
#include "platform/Object.h"
#include <QString>
#include <QVariant>

// A cell's graphic object, held by the cell's properties and freed with them
// (the base grid frees objects of exactly this class). Its kind decides how
// the few general-purpose fields are read; a row node, for one, keeps its
// contracted flag in CellBoolean, its span in CellIndex, its sub-node count in
// CellErrFrom and the display row it was added at in CellAngle.

enum TCellType {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode, ctRadio,
    ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton, ctBitButton,
    ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress, ctInterface,
    ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand
};
enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };

class TCellGraphic : public TObject {
public:
    const char *ClassName() const override { return "TCellGraphic"; }

    TCellType CellType = ctNone;
    TObject *CellBitmap = nullptr;
    TObject *CellIcon = nullptr;
    TCellVAlign CellVAlign = vaTop;
    TCellHAlign CellHAlign = haLeft;
    int CellIndex = 0;
    bool CellTransparent = false;
    bool CellCreated = false;
    bool CellBoolean = false;
    int CellAngle = 0;
    double CellValue = 0;
    int CellErrFrom = 0;
    int CellErrLen = 0;
    QString CellText;
    QVariant CellVar;
};
