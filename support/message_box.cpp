#include "support/message_box.h"

#include <QMessageBox>

#include <utility>

namespace {
MessageHook& hook() {
    static MessageHook h;
    return h;
}
} // namespace

void set_message_hook(MessageHook h) { hook() = std::move(h); }

void show_message(const QString& text) {
    if (hook()) {
        hook()(text);
        return;
    }
    QMessageBox box;
    box.setWindowTitle(QStringLiteral("信息："));
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
