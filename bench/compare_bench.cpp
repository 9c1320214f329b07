// The template comparison: the table of two sample templates, and the
// comparison window filling its table from it, as the File menu opens it.
// Before any Qt header: the samples have a field that Qt's keywords would rename.
#include "tools/samples.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include "mainwin/template_comparison.h"
#include "ui/comparison_dialog.h"

namespace {

qm::ComparisonRequest SampleRequest() {
  const auto samples = qm::samples::SampleTemplates();
  return {samples[0].tpl, samples[1].tpl, "armsman", "eldritch"};
}

void BM_CompareTemplates(benchmark::State& state) {
  const qm::ComparisonRequest request = SampleRequest();
  for (auto _ : state) benchmark::DoNotOptimize(qm::CompareTemplates(request.A, request.B));
}
BENCHMARK(BM_CompareTemplates)->Unit(benchmark::kMicrosecond);

void BM_ComparisonWindowPrepare(benchmark::State& state) {
  const qm::ComparisonRequest request = SampleRequest();
  qm::ui::ComparisonDialog dialog;
  for (auto _ : state) dialog.Prepare(request);
}
BENCHMARK(BM_ComparisonWindowPrepare)->Unit(benchmark::kMillisecond);

}  // namespace
