// A stand-in for the program that runs out of memory: it sets up the question lists and their
// release as the program does, answers the message on standard output, then asks for more
// memory than there is.

#include "app/fatal_end.h"
#include "generation/question_lists.h"
#include "support/message_box.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {
void release_and_say_so() {
    release_question_lists();
    std::puts("released");
}
} // namespace

int main(int argc, char** argv) {
    create_question_lists();
    std::atexit(release_and_say_so);
    QApplication application(argc, argv);
    set_message_hook([](const QString& text) {
        std::puts(text.toUtf8().constData());
        std::fflush(stdout);
    });
    install_out_of_memory_handler();
    volatile std::size_t too_much = std::numeric_limits<std::ptrdiff_t>::max() / 2;
    char* memory = new char[too_much];
    std::printf("got %p\n", static_cast<void*>(memory));
    return 0;
}
