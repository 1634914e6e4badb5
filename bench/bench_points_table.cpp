// The points table window showing 1,000,000 points and scrolled to the last one.
#include "RatioReporter.h"
#include "model/Project.h"
#include "ui/scroll2.h"

#include <QApplication>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

tracelle::model::Project& project() {
    static tracelle::model::Project* p = [] {
        auto* created = new tracelle::model::Project;
        created->setDefaultCalibration(20000, 15000, 0, 0);
        tracelle::model::TextTable::Bulk bulk(created->points());
        for (int i = 1; i <= 1000000; ++i)
            created->affecte_en(i, 1 + i / 10000, "", 0, i * 0.5L, i * 0.25L, i % 20000, i / 100);
        created->setN(1000000);
        return created;
    }();
    return *p;
}

void ShowAndScrollToTheEnd1M(benchmark::State& state) {
    tracelle::model::Project& p = project();
    for (auto _ : state) {
        tracelle::ui::Scroll2 table(p);
        table.show();
        table.selectRow(tracelle::model::TableId::Points, p.N());
        QApplication::processEvents();
        benchmark::DoNotOptimize(table.pointsGrid()->rowAt(0));
    }
}
BENCHMARK(ShowAndScrollToTheEnd1M)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int status = tracelle::bench::runWithRatios(argc, argv, {});
    std::printf("ShowAndScrollToTheEnd1M: the time above must stay well under 100 ms\n");
    return status;
}
