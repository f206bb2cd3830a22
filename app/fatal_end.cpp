#include "app/fatal_end.h"

#include "support/message_box.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace {
constexpr std::size_t reserve_size = 4 * 1024 * 1024;
char* memory_reserve = nullptr;

void end_for_lack_of_memory() {
    delete[] memory_reserve;
    memory_reserve = nullptr;
    end_fatally(out_of_memory_text());
}
} // namespace

QString out_of_memory_text() {
    return QStringLiteral("内存不足，程序无法继续运行。");
}

QString no_window_text() {
    return QStringLiteral("无法创建主窗口，程序无法继续运行。");
}

void end_fatally(const QString& text) {
    // A failure while the message itself is being shown ends at once.
    static bool ending = false;
    if (!ending && qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        ending = true;
        show_message(text);
    } else {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
    std::_Exit(-1);
}

void install_out_of_memory_handler() {
    memory_reserve = new char[reserve_size];
    std::set_new_handler(end_for_lack_of_memory);
}
