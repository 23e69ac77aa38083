// Reading rich text: a user guide of a few hundred paragraphs with formats changing in
// every line must open without a noticeable wait.
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include "platform/rtf/RtfReader.h"

namespace {

QByteArray Guide(int paragraphs) {
  QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fcharset238 Arial;}{\\f1 Times New Roman;}}"
                   "{\\colortbl;\\red0\\green96\\blue0;}";
  for (int i = 0; i < paragraphs; ++i) {
    rtf += "\\pard\\li360\\fi-360\\f1\\fs20 \\bullet\\tab Rubrica {\\b " + QByteArray::number(i) +
           "} a fi\\u537\\'bae\\'ba de \\'eenmatriculare, {\\i completat\\'e3} cu \\cf1 datele\\cf0  dosarului.\\par\n";
  }
  return rtf + "}";
}

void BM_ReadRtfGuide(benchmark::State& state) {
  const QByteArray rtf = Guide(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    QTextDocument doc;
    platform::rtf::ReadRtf(rtf, doc);
    benchmark::DoNotOptimize(doc.characterCount());
  }
  state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_ReadRtfGuide)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond);

}  // namespace
