#include "worksheet/printing_progress.h"

#include <QProgressDialog>

PageProgress::PageProgress(const QString& title, int pages, QWidget* parent) {
    if (pages < pages_worth_a_dialog)
        return;
    dialog_ =
        std::make_unique<QProgressDialog>(QString(), QStringLiteral("取消"), 0, pages, parent);
    dialog_->setObjectName(QStringLiteral("进度框_打印"));
    dialog_->setWindowTitle(title);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(0);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
}

PageProgress::~PageProgress() = default;

bool PageProgress::done(int pages) {
    if (!dialog_)
        return false;
    dialog_->setLabelText(
        QStringLiteral("正在生成第 %1 页，共 %2 页…").arg(pages).arg(dialog_->maximum()));
    dialog_->setValue(pages);
    return dialog_->wasCanceled();
}
