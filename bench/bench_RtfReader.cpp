#include "BenchApplication.h"
#include "rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

// A guide-like document of the given number of paragraphs.
QByteArray Document(std::int64_t paragraphs) {
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                     "{\\colortbl;\\red0\\green64\\blue128;}\\f0\\fs20 ";
    for (std::int64_t i = 0; i < paragraphs; ++i) {
        rtf += "\\pard\\li360\\fi-240\\sa60\\bullet\\tab The {\\b Front} side, "
               "{\\i caf\\'e9} \\u8364? {\\cf1\\ul turned} {\\*\\bkmkstart x}clockwise.\\par\n";
    }
    return rtf + "}";
}

// The time to read a document should grow in proportion to its length.
void ReadRtf(benchmark::State& state) {
    const QByteArray rtf = Document(state.range(0));
    QTextDocument document;
    for (auto _ : state) {
        turnix::RtfReader::Read(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(ReadRtf)->RangeMultiplier(4)->Range(64, 4096)->Complexity(benchmark::oN);

// Nesting far beyond the kept depth costs no more than plain text.
void ReadDeeplyNestedRtf(benchmark::State& state) {
    const auto depth = static_cast<qsizetype>(state.range(0));
    const QByteArray rtf = "{\\rtf1 " + QByteArray(depth, '{') + "x" + QByteArray(depth, '}') + "}";
    QTextDocument document;
    for (auto _ : state) {
        turnix::RtfReader::Read(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ReadDeeplyNestedRtf)->RangeMultiplier(8)->Range(1024, 1 << 20)->Complexity(benchmark::oN);

// One paragraph of bold and plain text in turn, about bytes long: every
// letter is a run of its own.
QByteArray AlternatingFormats(std::int64_t bytes) {
    const QByteArray run = "\\b a\\b0 b";
    return "{\\rtf1 " + run.repeated(static_cast<qsizetype>(bytes) / run.size()) + "}";
}

void ReadAlternatingFormatsInto(benchmark::State& state, QTextDocument& document) {
    const QByteArray rtf = AlternatingFormats(state.range(0));
    for (auto _ : state) {
        turnix::RtfReader::Read(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

// Each change of format should cost the same, however long the paragraph.
void ReadAlternatingFormats(benchmark::State& state) {
    QTextDocument document;
    ReadAlternatingFormatsInto(state, document);
}
BENCHMARK(ReadAlternatingFormats)
    ->RangeMultiplier(4)
    ->Range(1 << 12, 1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The same into a document that has a layout, as the instructions window's.
void ReadAlternatingFormatsIntoALaidOutDocument(benchmark::State& state) {
    // Laying out text takes fonts, and fonts an application.
    turnix::bench::EnsureApplication();
    QTextDocument document;
    document.setTextWidth(600);
    static_cast<void>(document.documentLayout());
    ReadAlternatingFormatsInto(state, document);
}
BENCHMARK(ReadAlternatingFormatsIntoALaidOutDocument)
    ->RangeMultiplier(4)
    ->Range(1 << 12, 1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
