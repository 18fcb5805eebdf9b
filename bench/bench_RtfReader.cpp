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

// The time to read a document should grow in proportion to its length. The
// sizes here stay within what the reader keeps of a document (about 1,400
// of these paragraphs); past that it reads no further.
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
BENCHMARK(ReadRtf)->RangeMultiplier(4)->Range(16, 1024)->Complexity(benchmark::oN);

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
// letter is a run of its own. The reader keeps up to about 280 KB of it.
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
    ->Range(1 << 10, 1 << 18)
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
    ->Range(1 << 10, 1 << 18)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The longest the instructions window can be kept busy: 8 MB of a unit,
// of which the reader keeps what fits, read and then all laid out in a text
// column narrower than the window's narrowest.
void ReadAndLayOutTheLongestDocument(benchmark::State& state, const char* unit) {
    turnix::bench::EnsureApplication();
    const QByteArray repeated(unit);
    const QByteArray rtf = "{\\rtf1 " + repeated.repeated(8'000'000 / repeated.size()) + "}";
    for (auto _ : state) {
        QTextDocument document;
        QTextOption wrapAnywhere;
        wrapAnywhere.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        document.setDefaultTextOption(wrapAnywhere);
        document.setTextWidth(40);
        turnix::RtfReader::Read(rtf, document);
        benchmark::DoNotOptimize(document.documentLayout()->documentSize());
    }
}
BENCHMARK_CAPTURE(ReadAndLayOutTheLongestDocument, paragraphs, "\\par ")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadAndLayOutTheLongestDocument, formats, "\\b a\\b0 b")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadAndLayOutTheLongestDocument, lines_at_144pt, "\\fs288\\line ")
    ->Unit(benchmark::kMillisecond);

} // namespace
