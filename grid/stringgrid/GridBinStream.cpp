#include "grid/stringgrid/GridBinStream.h"
#include "grid/stringgrid/GridFormats.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/MessageBox.h"
#include <QBuffer>
#include <QGuiApplication>
#include <QPixmap>

namespace {
QByteArray Png_Of(const QImage &Image)
{
    if (Image.isNull())
        return {};
    QByteArray Out;
    QBuffer B(&Out);
    B.open(QIODevice::WriteOnly);
    Image.save(&B, "PNG");
    return Out;
}

QString Joined_Sizes(int First, int Last, const std::function<int(int)> &Size)
{
    QString Out;
    for (int I = First; I <= Last; ++I) {
        if (I > First)
            Out += u',';
        Out += QString::number(Size(I));
    }
    return Out;
}
} // namespace

qint64 TGridBinStream::Grid_ID() const
{
    // A number the grid keeps while it lives, as a window handle would be;
    // a paste compares it with its own to recognise its own block.
    return static_cast<qint64>((reinterpret_cast<quintptr>(&FGrid) >> 4) & 0x7FFFFFFF);
}

TBinPicture TGridBinStream::Picture_Of(const TCellGraphic &G)
{
    TBinPicture P;
    switch (G.CellType) {
    case ctBitmap: case ctBitButton: case ctPicture:
        if (const auto *B = dynamic_cast<const TCellBitmap *>(Real_Object(G.CellBitmap)))
            P.Data = Png_Of(B->Image);
        break;
    case ctIcon:
        if (const auto *I = dynamic_cast<const TCellIcon *>(Real_Object(G.CellIcon)))
            P.Data = I->Icon.isNull() ? QByteArray() : Png_Of(I->Icon.pixmap(I->Size).toImage());
        break;
    case ctRadio:
        if (const TCellStrings *S = G.Strings())
            P.Strings = S->Items;
        break;
    case ctImages:
        if (const auto *L = dynamic_cast<const TCellIntList *>(Real_Object(G.CellBitmap)))
            for (int I = 0; I < L->Count(); ++I)
                P.Strings.append(QString::number(L->GetInteger(I)));
        break;
    case ctFilePicture:
        if (const auto *F = dynamic_cast<const TCellFilePicture *>(Real_Object(G.CellBitmap)))
            P.FileName = F->Picture.Filename();
        break;
    default: break;
    }
    return P;
}

QByteArray TGridBinStream::Save_Rect(const TGridRect &Rect)
{
    RIraRevadiVizo &G = FGrid;
    TGridModel &M = G.Model();
    const TGridSaveOptions &O = G.SaveOptions();
    TBinHeader H;
    H.ColCount = std::max(0, Rect.Right - Rect.Left + 1);
    H.RowCount = std::max(0, Rect.Bottom - Rect.Top + 1);
    H.FullGrid = O.SaveFixedCells ? H.ColCount == G.TotalColCount() && H.RowCount == G.RowCount()
                                  : H.ColCount == G.TotalColCount() - G.FixedCols()
                                        && H.RowCount == G.RowCount() - G.FixedRows();
    H.ID = Grid_ID();
    H.ColWidths = Joined_Sizes(Rect.Left, Rect.Right, [&G, &M](int C) {
        return M.Is_Hidden_Col(C) ? M.Hidden_Col_Width(C) : G.ColWidths(G.RealToDisplCol(C));
    });
    H.RowHeights = Joined_Sizes(Rect.Top, Rect.Bottom, [&G](int R) { return G.RowHeights(R); });
    QByteArray Out;
    TBinaryGridWriter W(Out);
    W.Header(H);
    const TExchangeHooks Hk = TGridFormats(G).Hooks();
    Hk.Step(xsStart, Rect.Top);
    TProgressCounter Progress(Rect.Top, Rect.Bottom, Hk.Progress);
    char16_t Room[TCellText::Max_Latin1 + 2];   // a stored text read in place
    for (int R = Rect.Top; R <= Rect.Bottom; ++R) {
        Hk.Step(xsNextRow, R);
        for (int C = Rect.Left; C <= Rect.Right; ++C) {
            const TCellProperties *P = G.Find_Cell_Props(C, R);
            // the stored text; inside a merged block, the base cell's
            const TPoint B = P ? P->GetBaseCell(C, R) : TPoint(C, R);
            const QStringView Text = M.Cell_View(B.X, B.Y, Room);
            if (!P) {
                W.Cell(C, R, Text, nullptr);
                continue;
            }
            const TCellGraphic *Gr = dynamic_cast<const TCellGraphic *>(Real_Object(P->GraphicObject()));
            const QWidget *Ctl = P->Control();
            const TBinPicture Pic = Gr && Bin_Graphic_Saved(Gr) ? Picture_Of(*Gr) : TBinPicture();
            W.Cell(C, R, Text, P, Gr, Ctl ? Ctl->objectName() : QString(), &Pic);
        }
        Progress.At(R);
    }
    Hk.Step(xsDone, -1);
    return Out;
}

QByteArray TGridBinStream::Save_All()
{
    return Save_Rect({FGrid.GetSaveStartCol(), FGrid.GetSaveStartRow(), FGrid.GetSaveEndCol() + FGrid.NumHiddenColumns(),
                      FGrid.GetSaveEndRow()});
}

bool TGridBinStream::Save_File(const QString &FileName)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const TExchangeResult R = Write_Exchange_File(FileName, Save_All());
    QGuiApplication::restoreOverrideCursor();
    if (R.Ok())
        return true;
    Msg_Error(QStringLiteral("Cannot Create file ") + FileName, &FGrid);
    return false;
}

void TGridBinStream::Attach_Picture(TCellGraphic &G, const TBinPicture &Pic, int Col, int Row)
{
    switch (Bin_Picture_Kind(G.CellType)) {
    case bpBitmap: case bpPicture:
        G.CellBitmap = new TCellBitmap(QImage::fromData(Pic.Data, "PNG"));
        break;
    case bpIcon: {
        const QImage I = QImage::fromData(Pic.Data, "PNG");
        G.CellIcon = I.isNull() ? new TCellIcon : new TCellIcon(QIcon(QPixmap::fromImage(I)), I.size());
        break;
    }
    case bpStrings:
        if (G.CellType == ctImages) {
            auto *L = new TCellIntList(Col, Row);
            for (const QString &S : Pic.Strings)
                L->Add(S.trimmed().toInt());
            G.CellBitmap = L;
        } else {
            G.CellBitmap = new TCellStrings(Pic.Strings);
        }
        break;
    case bpFilePicture: {
        auto *F = new TCellFilePicture;
        F->Picture.Set_Filename(Pic.FileName);
        G.CellBitmap = F;
        break;
    }
    case bpNone: return;
    }
    G.CellCreated = true;   // the graphic owns what it was given here
}

bool TGridBinStream::Fail(const TExchangeResult &R, const QString &FileName)
{
    QString Text = R.Message;
    if (R.Status == esBadFormat)
        Text += QStringLiteral(" at byte %1").arg(R.Col);
    if (!FileName.isEmpty())
        Text += QStringLiteral(" in ") + FileName;
    Msg_Error(Text, &FGrid);
    return false;
}

bool TGridBinStream::Load_At(const TPoint &At, const QByteArray &Bytes, const QString &FileName)
{
    TBinGrid B;
    const TExchangeResult Parsed = Parse_Binary_Grid(Bytes, B);
    if (!Parsed.Ok())
        return Fail(Parsed, FileName);
    RIraRevadiVizo &G = FGrid;
    const TExchangeHooks Hk = TGridFormats(G).Hooks();
    G.BeginUpdate();
    if (B.Header.FullGrid) {
        G.UnHideColumnsAll();
        G.FreeAllCellProps();
        G.Model().Clear();
        G.Set_RowCount(B.Header.RowCount);
        G.Set_ColCount(B.Header.ColCount);
        for (int C = 0; C < std::min<int>(G.ColCount(), static_cast<int>(B.ColWidths.size())); ++C)
            G.Set_ColWidths(C, B.ColWidths[size_t(C)]);
        for (int R = 0; R < std::min<int>(G.RowCount(), static_cast<int>(B.RowHeights.size())); ++R)
            G.Set_RowHeights(R, B.RowHeights[size_t(R)]);
    }
    TPoint Origin;
    if (!B.Header.FullGrid && !B.Cells.empty())
        Origin = TPoint(B.Cells.front().Col, B.Cells.front().Row);
    const int Cols = G.TotalColCount();
    const int Rows = G.RowCount();
    TProgressCounter Progress(At.Y, At.Y + std::max(0, B.Header.RowCount - 1), Hk.Progress);
    int Last_Row = -1;
    // A cell without properties takes its text straight into the store, as
    // SetCellEx would put it; a merged cell, the cell being edited and a
    // hidden last row keep SetCellEx's extra steps.
    TGridModel &M = G.Model();
    const int Hidden_Last = G.HideLastRow() ? Rows - 1 : -1;
    M.Begin_Update();
    for (TBinCell &Cell : B.Cells) {
        const long long C = static_cast<long long>(Cell.Col) + At.X - Origin.X;
        const long long R = static_cast<long long>(Cell.Row) + At.Y - Origin.Y;
        if (C < 0 || C >= Cols || R < 0 || R >= Rows)
            continue;
        const int Col = static_cast<int>(C), Row = static_cast<int>(R);
        if (Row != Hidden_Last && !G.EditorMode() && !G.Find_Cell_Props(Col, Row))
            M.Set_Cell_Text(Col, Row, std::move(Cell.Text));
        else
            G.SetCellEx(Col, Row, Cell.Text.To_String());
        if (Row != Last_Row) {
            Progress.At(Row);
            Last_Row = Row;
        }
        if (Cell.Extra < 0)
            continue;
        const TBinCellExtra &X = B.Extras[size_t(Cell.Extra)];
        TCellProperties *P = G.GetCellProperties(Col, Row);
        // read over the target's own values: what the stream leaves out stays
        Apply_Bin_Props(X.Props, *P);
        P->Set_OwnerCol(Col);
        P->Set_OwnerRow(Row);
        if (!X.HasGraphic)
            continue;
        TCellGraphic *Gr = G.CreateCellGraphic(Col, Row);
        Apply_Bin_Graphic(X.Graphic, *Gr);
        Attach_Picture(*Gr, X.Picture, Col, Row);
    }
    M.End_Update();
    G.CellsChanged({0, 0, G.ColCount(), G.RowCount()});
    G.EndUpdate();
    return true;
}

bool TGridBinStream::Load(const QByteArray &Bytes, const QString &FileName)
{
    if (!Load_At(TPoint(0, 0), Bytes, FileName))
        return false;
    TGridFormats(FGrid).Recount_Nodes();
    return true;
}

bool TGridBinStream::Load_File(const QString &FileName)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QByteArray Bytes;
    const TExchangeResult R = Read_Exchange_File(FileName, Bytes);
    bool Ok = false;
    if (!R.Ok())
        Msg_Error(QStringLiteral("Cannot open file ") + FileName, &FGrid);
    else
        Ok = Load(Bytes, FileName);
    QGuiApplication::restoreOverrideCursor();
    return Ok;
}
