#include "app/program_identity.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace {

// A sheet with a sum on it, drawn at each size so no image file has to travel with the program.
QPixmap icon_at(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal edge = size / 16.0;
    painter.setPen(QPen(QColor(70, 82, 140), edge));
    painter.setBrush(QColor(250, 250, 255));
    painter.drawRoundedRect(QRectF(edge, edge, size - 2 * edge, size - 2 * edge), 3 * edge,
                            3 * edge);
    QFont font = painter.font();
    font.setPixelSize(size * 7 / 16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(200, 40, 40));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("+÷"));
    return pixmap;
}

QIcon program_icon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(icon_at(size));
    return icon;
}

// The default face stays; Chinese characters fall back to the simplified-Chinese forms, which
// the fontconfig default for a C locale would otherwise take from the Japanese face.
void prefer_simplified_chinese(QApplication& application) {
    QFont font = QApplication::font();
    QStringList families = font.families();
    if (families.isEmpty())
        families.append(font.family());
    families.append(QStringLiteral("Noto Sans CJK SC"));
    font.setFamilies(families);
    application.setFont(font);
}

} // namespace

void set_up_program_identity(QApplication& application) {
    application.setWindowIcon(program_icon());
    prefer_simplified_chinese(application);
}
