// Times the worksheet layout at the program's largest question count and reports the memory of
// the process. Run by hand (see bench/README.md).

#include "worksheet/grid.h"
#include "worksheet/layout.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

constexpr int largest_count = 100000;

double resident_mb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1048576.0 : 0;
}

double peak_mb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

double cpu_ms() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Wall time and the thread's CPU time: the machine is shared, and the CPU time shows the work
// itself when other processes hold the cores.
struct Timing {
    std::vector<double> wall;
    std::vector<double> cpu;
};

template <typename Work> void measure(Timing& timing, Work work) {
    QElapsedTimer timer;
    const double cpu_start = cpu_ms();
    timer.start();
    work();
    timing.wall.push_back(double(timer.nsecsElapsed()) / 1e6);
    timing.cpu.push_back(cpu_ms() - cpu_start);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// What the generate action adds after the layout: one text in every question cell, in a batch.
void fill_questions(WorksheetGrid& grid, int count) {
    GridBatch batch(grid);
    for (int k = 0; k < count; ++k) {
        const int page = k / questions_per_page;
        const int j = k % questions_per_page;
        const int row = page * page_rows + j / 3 + 2;
        grid.set_cell_text(row, 3 * (j % 3) + 1, QStringLiteral("%1+%2=").arg(k % 97).arg(k % 89));
    }
}

void report(const char* what, const Timing& timing) {
    std::printf("%-44s wall median %6.1f ms (best %6.1f)   cpu median %6.1f ms (best %6.1f)\n",
                what, median(timing.wall),
                *std::min_element(timing.wall.begin(), timing.wall.end()), median(timing.cpu),
                *std::min_element(timing.cpu.begin(), timing.cpu.end()));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    WorksheetGrid grid;
    grid.resize(520, 540);
    grid.show();
    lay_out_worksheet(grid, 90);
    app.processEvents();
    std::printf("start-up sheet (90 questions): %.1f MB resident\n", resident_mb());

    Timing first, from_small, again, fill, repaint;
    measure(first, [&] { lay_out_worksheet(grid, largest_count); });
    app.processEvents();
    std::printf("laid out for %d questions: %.1f MB resident\n", largest_count, resident_mb());
    for (int run = 0; run < runs; ++run) {
        lay_out_worksheet(grid, 90);
        app.processEvents();
        measure(from_small, [&] { lay_out_worksheet(grid, largest_count); });
        measure(repaint, [&] { app.processEvents(); });
        measure(fill, [&] { fill_questions(grid, largest_count); });
        app.processEvents();
        measure(again, [&] { lay_out_worksheet(grid, largest_count); });
        app.processEvents();
    }
    std::printf("%d questions: %d rows, %zu merges\n", largest_count, grid.row_count(),
                grid.sheet().merges().size());
    report("first lay_out_worksheet(100000) of the run", first);
    report("lay_out_worksheet(100000) after 90", from_small);
    report("repaint after it", repaint);
    report("fill 100000 question cells (one batch)", fill);
    report("lay_out_worksheet(100000) over a full sheet", again);
    fill_questions(grid, largest_count);
    app.processEvents();
    std::printf("resident with the filled sheet: %.1f MB, peak %.1f MB\n", resident_mb(),
                peak_mb());
    return 0;
}
