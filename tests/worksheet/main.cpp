#include <QApplication>

int run_grid_tests(int argc, char** argv);
int run_layout_tests(int argc, char** argv);

// One program for the worksheet's test classes; it fails when any class fails.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    failed |= run_grid_tests(argc, argv);
    failed |= run_layout_tests(argc, argv);
    return failed;
}
