// Speed of the RTF converter: a rich-text cell is read each time it is
// painted, measured or printed, and written when it is edited.
#include "platform/RichText.h"
#include <QColor>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {
// Paragraphs of mixed formats, as a long rich-text cell or a pasted page has.
QByteArray Sample_Rtf(int Paragraphs)
{
    QTextDocument Doc;
    QTextCursor C(&Doc);
    for (int P = 0; P < Paragraphs; ++P) {
        if (P > 0)
            C.insertBlock();
        QTextCharFormat Plain, Bold, Colour, Sup;
        Bold.setFontWeight(QFont::Bold);
        Colour.setForeground(QColor(P % 256, 0, 128));
        Sup.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        C.insertText(QStringLiteral("Sensor %1 reads ").arg(P), Plain);
        C.insertText(QString::number(P * 7 % 100), Bold);
        C.insertText(QString::fromUtf16(u" \u00B0C, caf\u00E9 \u4E2D "), Colour);
        C.insertText("2", Sup);
    }
    return Document_To_Rtf(Doc);
}

void Read_Rtf(benchmark::State &State)
{
    const QByteArray Rtf = Sample_Rtf(int(State.range(0)));
    for (auto _ : State) {
        QTextDocument Doc;
        benchmark::DoNotOptimize(Rtf_To_Document(Rtf, Doc).Ok);
    }
    State.SetBytesProcessed(State.iterations() * Rtf.size());
}
BENCHMARK(Read_Rtf)->Arg(1)->Arg(100)->Arg(2000);

void Write_Rtf(benchmark::State &State)
{
    QTextDocument Doc;
    Rtf_To_Document(Sample_Rtf(int(State.range(0))), Doc);
    for (auto _ : State)
        benchmark::DoNotOptimize(Document_To_Rtf(Doc));
}
BENCHMARK(Write_Rtf)->Arg(1)->Arg(100)->Arg(2000);
} // namespace
