// The points table window showing 1,000,000 points and scrolled to the last one.
#include "RatioReporter.h"
#include "files/PointImport.h"
#include "model/Project.h"
#include "ui/PointsTableWindow.h"

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
        tracelle::ui::PointsTableWindow table(p);
        table.show();
        table.selectRow(tracelle::model::TableId::Points, p.N());
        QApplication::processEvents();
        benchmark::DoNotOptimize(table.pointsGrid()->rowAt(0));
    }
}
BENCHMARK(ShowAndScrollToTheEnd1M)->Unit(benchmark::kMillisecond)->Iterations(5);

// The import of 100,000 text lines while the table shows the points, as the program runs it.
void ImportWithTheTableShown100k(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += std::to_string(i * 0.5) + " " + std::to_string(i * 0.25) + " p\n";
    for (auto _ : state) {
        state.PauseTiming();
        tracelle::model::Project p;
        p.setDefaultCalibration(60000, 30000, 0, 0);
        tracelle::ui::PointsTableWindow table(p);
        table.show();
        QApplication::processEvents();
        state.ResumeTiming();
        tracelle::files::ajoutePointsTexte(p, text);
        QApplication::processEvents();
    }
}
BENCHMARK(ImportWithTheTableShown100k)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int status = tracelle::bench::runWithRatios(argc, argv, {});
    std::printf("ShowAndScrollToTheEnd1M: the time above must stay well under 100 ms\n");
    return status;
}
