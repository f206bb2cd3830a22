#pragma once

#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

// Shows how far the drawing of a long sheet has come and lets the user stop it. Short sheets
// are done before a dialog could be read, so they get none.
class PageProgress {
  public:
    static constexpr int pages_worth_a_dialog = 50;

    PageProgress(const QString& title, int pages, QWidget* parent);
    ~PageProgress();
    PageProgress(const PageProgress&) = delete;
    PageProgress& operator=(const PageProgress&) = delete;

    // Records that pages are done; true when the user asked to stop.
    bool done(int pages);

  private:
    std::unique_ptr<QProgressDialog> dialog_;
};
