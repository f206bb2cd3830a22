#include "app/fatal_end.h"
#include "app/main_window.h"
#include "app/program_identity.h"
#include "generation/question_lists.h"

#include <QApplication>
#include <QWindow>

#include <cstdlib>
#include <new>

namespace {
// Creates the window hidden, runs its created handler, shows it and runs the message loop
// until the window is closed.
int run_main_window() {
    MainWindow window;
    window.winId();
    if (window.windowHandle() == nullptr || window.windowHandle()->handle() == nullptr)
        end_fatally(no_window_text());
    window.on_created();
    window.show();
    return QApplication::exec();
}

int run_program(int argc, char** argv) {
    create_question_lists();
    std::atexit(release_question_lists);
    QApplication application(argc, argv);
    set_up_program_identity(application);
    try {
        return run_main_window();
    } catch (const std::bad_alloc&) {
        end_fatally(out_of_memory_text());
    }
}
} // namespace

int main(int argc, char** argv) {
    try {
        install_out_of_memory_handler();
        return run_program(argc, argv);
    } catch (const std::bad_alloc&) {
        end_fatally(out_of_memory_text());
    }
}
