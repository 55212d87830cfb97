#pragma once
#include "grid/model/GridTypes.h"
#include "platform/Colors.h"
#include <QString>
#include <functional>

class QObject;

// Settings of the grouped outline and of the floating footer (plain data;
// the grid reads them when it groups, calculates and paints).

struct TGrouping {
    bool MergeHeader = false;    // header row merged from the text column to the last
    bool MergeSummary = false;   // summary rows merged likewise
    bool Summary = false;        // a summary row after every group
    TColor HeaderColor = clNone;
    TColor HeaderColorTo = clNone;
    TColor HeaderTextColor = clNone;
    TColor HeaderLineColor = clNone;
    bool HeaderUnderline = false;
    int HeaderLineWidth = 2;
    TColor SummaryColor = clNone;
    TColor SummaryColorTo = clNone;
    TColor SummaryTextColor = clNone;
    TColor SummaryLineColor = clNone;
    bool SummaryLine = false;
    int SummaryLineWidth = 2;
    bool ShowGroupCount = false;
    QString GroupCountFormat = QStringLiteral("(%d)");
    bool AutoSelectGroup = false;
    bool AutoCheckGroup = false;
};

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

struct TFloatingFooter {
    bool Visible = false;
    TFooterStyle FooterStyle = fsFixedLastRow;
    bool EnableCalculation = true;
    bool CalculateHiddenRows = true;
    TColor Color = clBtnFace;
    // (Sender, ACol, ARow, Value)
    std::function<void(QObject *, int, int, QString &)> OnCalcFooter;
};

