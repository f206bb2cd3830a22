#include "worksheet/print_margins_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

struct Field {
    int PageGeometry::*value;
    const char* label;
    const char* name;
};

const std::array<Field, 7> fields{{
    {&PageGeometry::top_margin, "上边距：", "数值框_上边距"},
    {&PageGeometry::header_band, "页眉高度：", "数值框_页眉高度"},
    {&PageGeometry::header_gap, "页眉与表格间距：", "数值框_页眉间距"},
    {&PageGeometry::footer_gap, "表格与页脚间距：", "数值框_页脚间距"},
    {&PageGeometry::footer_band, "页脚高度：", "数值框_页脚高度"},
    {&PageGeometry::bottom_margin, "下边距：", "数值框_下边距"},
    {&PageGeometry::side_margin, "左右边距：", "数值框_左右边距"},
}};

} // namespace

MarginsDialog::MarginsDialog(const PageGeometry& geometry, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("页边距"));
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QString::fromUtf8(fields[i].name));
        box->setRange(0, PageGeometry::max_value);
        box->setSuffix(QStringLiteral(" （0.1 毫米）"));
        form->addRow(QString::fromUtf8(fields[i].label), box);
        boxes_[i] = box;
    }
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("按钮_确定"));
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("按钮_取消"));
    QPushButton* restore =
        buttons->addButton(QStringLiteral("恢复默认"), QDialogButtonBox::ResetRole);
    restore->setObjectName(QStringLiteral("按钮_恢复默认"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(restore, &QPushButton::clicked, this, [this] { set_geometry(PageGeometry{}); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    set_geometry(geometry);
}

PageGeometry MarginsDialog::geometry() const {
    PageGeometry geometry;
    for (std::size_t i = 0; i < fields.size(); ++i)
        geometry.*fields[i].value = boxes_[i]->value();
    return geometry;
}

void MarginsDialog::set_geometry(const PageGeometry& geometry) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        boxes_[i]->setValue(geometry.*fields[i].value);
}
